// Keyword search: in the contents of 1,000 text and HTML files against grep over
// the same folder, and without contents over the sample library against
// lower-casing every item's name once.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench/measurements.h"
#include "bench/sample_random.h"
#include "bench/stopwatch.h"
#include "query/content/lower_case.h"
#include "query/expression_evaluator.h"
#include "query/keyword_search.h"
#include "store/file_url.h"

extern char** environ;

namespace ovelin {
namespace {

constexpr int kContentFiles = 1000;
constexpr size_t kFileBytes = 3000;
constexpr const char* kContentKeyword = "quokka";
constexpr const char* kNotesSet = "Notes";
// A word of item names and of set names (Invoices_N), and a word of item names
// and set names (照片_N) in another script.
constexpr const char* kLibraryKeywords = "invoice 照片";

constexpr unsigned kWithoutContent = kKeywordInName | kKeywordInDescription | kKeywordInSetNames;

const std::vector<std::string> kWords = {
    "river",  "stone",   "market", "lantern", "harbour", "meadow", "copper", "winter", "orchard", "signal",
    "garden", "letter",  "bridge", "thunder", "pepper",  "island", "velvet", "marble", "candle",  "forest",
    "Straße", "château", "über",   "город",   "文件",    "记录",   "naïve",  "résumé", "Ölfeld",  "tea"};

// About kFileBytes of words in sentences; the keyword, in mixed case, in the
// middle when `withKeyword`. Each paragraph goes through `wrap`.
template <typename Wrap>
std::string Paragraphs(SampleRandom& random, bool withKeyword, Wrap wrap) {
  std::string text;
  bool keywordPlaced = !withKeyword;
  while (text.size() < kFileBytes) {
    std::string paragraph;
    for (int word = 0; word < 60; ++word) {
      paragraph += random.Pick(kWords) + (word % 12 == 11 ? ". " : " ");
    }
    if (!keywordPlaced && text.size() >= kFileBytes / 2) {
      paragraph += "A Quokka sat there. ";
      keywordPlaced = true;
    }
    text += wrap(paragraph);
  }
  return text;
}

std::string TextFile(SampleRandom& random, bool withKeyword) {
  return Paragraphs(random, withKeyword, [](const std::string& p) { return p + "\n\n"; });
}

std::string HtmlFile(SampleRandom& random, bool withKeyword, int index) {
  const std::string number = std::to_string(index);
  return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Field notes " + number +
         "</title><style>body { font: 14px serif; color: #333 }</style></head>\n<body><h1>Notes " + number + "</h1>\n" +
         Paragraphs(random, withKeyword, [](const std::string& p) { return "<p>" + p + "</p>\n"; }) +
         "<ul><li>first</li><li>second</li></ul>\n</body></html>\n";
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (!file) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  return std::fclose(file) == 0 && written;
}

// Writes the files into a fresh folder, half of them HTML, one in ten of each
// kind with the keyword; their paths, or nothing.
std::optional<std::vector<std::string>> WriteContentFiles(const std::string& folder) {
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  if (!std::filesystem::create_directories(folder, ec)) return std::nullopt;
  SampleRandom random(7);
  std::vector<std::string> paths;
  for (int i = 0; i < kContentFiles; ++i) {
    const bool withKeyword = i % 20 == 3 || i % 20 == 8;
    const bool html = i % 2 == 1;
    const std::string path = folder + "/note " + std::to_string(i) + (html ? ".html" : ".txt");
    if (!WriteFile(path, html ? HtmlFile(random, withKeyword, i) : TextFile(random, withKeyword))) return std::nullopt;
    paths.push_back(path);
  }
  return paths;
}

// A library whose one set below the root holds an item for every file.
bool BuildNotesLibrary(CFileSetStore& store, const std::string& folder, const std::vector<std::string>& paths) {
  store.CreateStarterDocument();
  const std::string root = store.GetRootName();
  store.SetStorePath(root, folder, StorePathKind::UsrDef);
  if (!store.CreateFileSet(kNotesSet, {root}, "", StorePathKind::ExParent, {})) return false;
  ItemList items{std::string(kNotesSet)};
  for (const auto& path : paths) {
    CFileItem item(std::filesystem::path(path).stem().string(), LocalPathToFileUrl(path));
    item.AddOwningSet(kNotesSet);
    items.Insert(item);
  }
  store.WriteSetElements(items);
  store.RebuildRootItems();
  return true;
}

// Runs a program found on PATH; the number of lines it prints, or nothing when
// it cannot start or ends with an exit code above 1 (grep's "nothing found").
std::optional<size_t> CountOutputLines(std::vector<std::string> args) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  ::posix_spawn_file_actions_destroy(&actions);
  ::close(fds[1]);
  size_t lines = 0;
  char buffer[4096];
  for (ssize_t got; spawned == 0 && (got = ::read(fds[0], buffer, sizeof buffer)) != 0;) {
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) break;
    for (ssize_t i = 0; i < got; ++i) lines += buffer[i] == '\n';
  }
  ::close(fds[0]);
  if (spawned != 0) return std::nullopt;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return std::nullopt;
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) > 1) return std::nullopt;
  return lines;
}

struct FilterRun {
  double ms = 0;
  size_t kept = 0;
};

// Times the filter on a copy of the items (the copy is not timed).
FilterRun TimeFilter(const CFileSetStore& store, const ItemList& items, const std::string& keywords, unsigned flags) {
  ItemList copy = items;
  Stopwatch watch;
  FilterByKeywords(store, keywords, copy, flags);
  return {watch.ElapsedMs(), copy.size()};
}

}  // namespace

BenchRow MeasureContentKeywords(BenchContext& context) {
  BenchRow row = NewRow("Keyword in contents of 1000 files", "grep -rilF over the same folder");
  const std::string folder = context.PathOf("keyword-files");
  const auto paths = WriteContentFiles(folder);
  if (!paths) return FailedRow(row, "cannot write the files to search");
  CFileSetStore store;
  if (!BuildNotesLibrary(store, folder, *paths)) return FailedRow(row, "cannot build the library of the files");
  const auto result = EvaluateExpression(store, kNotesSet);
  if (!result) return FailedRow(row, "the set of the files cannot be evaluated");

  const std::vector<std::string> grep = {"grep", "-rilF", kContentKeyword, folder};
  CountOutputLines(grep);  // both sides then find the files in the page cache
  std::vector<double> values;
  std::vector<double> floors;
  std::optional<size_t> grepFound;
  FilterRun last;
  for (int i = 0; i < context.options.repeat; ++i) {
    Stopwatch watch;
    grepFound = CountOutputLines(grep);
    if (grepFound) floors.push_back(watch.ElapsedMs());
    last = TimeFilter(store, result->items, kContentKeyword, kWithoutContent | kKeywordInContent);
    values.push_back(last.ms);
  }
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  row.value = Median(values);
  if (!floors.empty()) row.floor = Median(floors);
  row.note = std::to_string(last.kept) + " of " + std::to_string(result->items.size()) + " found" +
             (grepFound ? ", grep " + std::to_string(*grepFound) : ", grep did not run");
  return row;
}

BenchRow MeasureNameKeywords(BenchContext& context) {
  BenchRow row = NewRow("Keywords without contents, all items", "lower-case every item's name once");
  CFileSetStore* store = context.LoadedStore();
  if (!store) return FailedRow(row, "the data file cannot be loaded");
  const auto result = EvaluateExpression(*store, store->GetRootName());
  if (!result) return FailedRow(row, "the root set cannot be evaluated");
  const std::string firstKeyword = SplitKeywords(kLibraryKeywords).front();

  std::vector<double> values;
  std::vector<double> floors;
  FilterRun last;
  size_t named = 0;  // reported, so the floor's loop does work that counts
  for (int i = 0; i < context.options.repeat; ++i) {
    Stopwatch watch;
    named = 0;
    for (const auto& item : result->items) named += LowerCase(item.GetName()).find(firstKeyword) != std::string::npos;
    floors.push_back(watch.ElapsedMs());
    last = TimeFilter(*store, result->items, kLibraryKeywords, kWithoutContent);
    values.push_back(last.ms);
  }
  row.value = Median(values);
  row.floor = Median(floors);
  row.note = "\"" + std::string(kLibraryKeywords) + "\": " + std::to_string(last.kept) + " of " +
             std::to_string(result->items.size()) + " kept (" + std::to_string(named) + " names hold \"" +
             firstKeyword + "\")";
  return row;
}

}  // namespace ovelin
