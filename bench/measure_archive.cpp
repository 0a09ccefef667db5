// Archiving 1,000 small files into one set of the sample library against its
// floor: renaming the same number of files into a folder and saving the library
// once. Each run works on a private copy of the data file, so the library that
// the other rows measure stays as generated.

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench/measurements.h"
#include "bench/stopwatch.h"
#include "filing/archive_engine.h"
#include "filing/url_parts.h"

namespace ovelin {
namespace {

namespace fs = std::filesystem;

constexpr int kArchivedFiles = 1000;

// Writes `count` small files into a fresh folder; their paths, or nothing.
std::optional<std::vector<std::string>> MakeSmallFiles(const std::string& folder, int count) {
  std::error_code ec;
  fs::remove_all(folder, ec);
  if (!fs::create_directories(folder, ec)) return std::nullopt;
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) {
    const std::string path = folder + "/note " + std::to_string(i) + ".txt";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return std::nullopt;
    const std::string text = "small file " + std::to_string(i) + "\n";
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    if (std::fclose(file) != 0 || !written) return std::nullopt;
    paths.push_back(path);
  }
  return paths;
}

bool MakeEmptyFolder(const std::string& folder) {
  std::error_code ec;
  fs::remove_all(folder, ec);
  return fs::create_directories(folder, ec);
}

// A set without children below the root: the item lands in it, and property
// placement looks at no further set.
std::string ChooseLeafSet(const CFileSetStore& store) {
  const std::string root = store.GetRootName();
  for (const auto& name : store.GetFileSetNames()) {
    if (name != root && store.GetChilds(name).empty()) return name;
  }
  return {};
}

// One record per file, filed into `set` with an empty value (completed to the
// initial value) for every property in force there.
PigeonholeBatch BuildBatch(const CFileSetStore& store, const std::string& set, const std::vector<std::string>& files) {
  std::vector<std::string> values;
  for (const auto& definition : store.GetDefinitions(set)) values.push_back(definition.name + ";");
  PigeonholeBatch batch;
  for (const auto& path : files) {
    ITEM_PIGEONHOLE_STRUCT record;
    record.Name = fs::path(path).filename().string();
    record.BelongSets = set;
    record.PigPathSet = set;
    record.Url = MakeFileUrl(path);
    record.BasePath = path;
    record.PropValueAry = values;
    batch.push_back(std::move(record));
  }
  return batch;
}

// The floor: a plain rename of each file into the folder, then one save.
std::optional<double> TimeFloor(CFileSetStore& store, const std::vector<std::string>& files,
                                const std::string& folder) {
  Stopwatch watch;
  for (const auto& path : files) {
    if (std::rename(path.c_str(), (folder + "/" + fs::path(path).filename().string()).c_str()) != 0) {
      return std::nullopt;
    }
  }
  if (!store.Save()) return std::nullopt;
  return watch.ElapsedMs();
}

struct ArchiveRun {
  double ms = 0;
  size_t moved = 0;
  size_t recorded = 0;  // items that landed in at least one set
  bool saved = false;
};

ArchiveRun TimeArchive(CFileSetStore& store, const PigeonholeBatch& batch) {
  Stopwatch watch;
  const ArchiveResult result = Archive(store, batch, nullptr);
  ArchiveRun run{watch.ElapsedMs(), 0, 0, result.saved};
  for (const auto& item : result.items) {
    if (item.newUrl != item.oldUrl) ++run.moved;
    if (!item.sets.empty()) ++run.recorded;
  }
  return run;
}

}  // namespace

BenchRow MeasureArchive(BenchContext& context) {
  BenchRow row = NewRow("Archive 1000 files", "rename of each file + one Save()");
  const std::string copy = context.PathOf("archive-run.db");
  std::vector<double> values;
  std::vector<double> floors;
  std::string set;
  ArchiveRun last;
  for (int i = 0; i < context.options.repeat; ++i) {
    // A fresh library each run: the previous run's items would make it grow.
    std::error_code ec;
    if (!fs::copy_file(context.dataFile, copy, fs::copy_options::overwrite_existing, ec)) {
      return FailedRow(row, "cannot copy the data file");
    }
    CFileSetStore store;
    if (!store.Load(copy)) return FailedRow(row, "the data file cannot be loaded");
    set = ChooseLeafSet(store);
    if (set.empty()) return FailedRow(row, "the library has no set below the root");

    const std::string run = context.PathOf("archive-" + std::to_string(i));
    const auto floorFiles = MakeSmallFiles(run + "/floor-source", kArchivedFiles);
    const auto files = MakeSmallFiles(run + "/source", kArchivedFiles);
    if (!floorFiles || !files || !MakeEmptyFolder(run + "/floor-store") || !MakeEmptyFolder(run + "/store")) {
      return FailedRow(row, "cannot write the files to archive");
    }
    store.SetStorePath(set, run + "/store", StorePathKind::UsrDef);
    const PigeonholeBatch batch = BuildBatch(store, set, *files);

    const auto floor = TimeFloor(store, *floorFiles, run + "/floor-store");
    if (!floor) return FailedRow(row, "the floor cannot rename the files or save");
    floors.push_back(*floor);
    last = TimeArchive(store, batch);
    if (!last.saved) return FailedRow(row, "Archive could not save the data file");
    values.push_back(last.ms);
    fs::remove_all(run, ec);
  }
  std::error_code ec;
  fs::remove(copy, ec);
  row.value = Median(values);
  row.floor = Median(floors);
  row.note = std::to_string(last.moved) + " moved, " + std::to_string(last.recorded) + " recorded in the set " + set;
  return row;
}

}  // namespace ovelin
