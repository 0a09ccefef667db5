// ovelin-cli batch against its floors: 1,000 "set add" lines in one batch beside
// one load and save of the library in process (what any single change through the
// command line costs at least), and 1,000 separate calls, estimated from 20 of
// them, beside the batch. Each part works on a private copy of the data file.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench/measurements.h"
#include "bench/stopwatch.h"
#include "store/data_file.h"

extern char** environ;

namespace ovelin {
namespace {

namespace fs = std::filesystem;

constexpr int kBatchLines = 1000;
constexpr int kSeparateCalls = 20;

// Runs the program with its output thrown away; its exit code, or nothing when
// it cannot start or dies of a signal.
std::optional<int> RunQuietly(std::vector<std::string> args) {
  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (auto& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  ::posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return std::nullopt;
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return std::nullopt;
  }
  if (!WIFEXITED(status)) return std::nullopt;
  return WEXITSTATUS(status);
}

// A data folder holding a fresh copy of the sample library; empty on failure.
std::string FreshDataFolder(const BenchContext& context) {
  const std::string folder = context.PathOf("cli-data");
  std::error_code ec;
  fs::remove_all(folder, ec);
  if (!fs::create_directories(folder, ec)) return {};
  if (!fs::copy_file(context.dataFile, folder + "/" + kDataFileName, ec)) return {};
  return folder;
}

std::string SetName(int i) { return "BenchBatch" + std::to_string(i); }

// The batch file of kBatchLines "set add" lines; empty on failure.
std::string WriteBatchFile(const BenchContext& context) {
  std::string text;
  for (int i = 0; i < kBatchLines; ++i) text += "set add " + SetName(i) + "\n";
  const std::string path = context.PathOf("cli-batch.txt");
  return WriteFileAtomically(path, Bytes(text.begin(), text.end())) ? path : std::string();
}

// Milliseconds of one ovelin-cli call that must succeed.
std::optional<double> TimeCli(const std::string& folder, std::vector<std::string> words) {
  std::vector<std::string> args = {OVELIN_CLI_PATH, "--data-dir", folder};
  args.insert(args.end(), words.begin(), words.end());
  Stopwatch watch;
  const auto code = RunQuietly(std::move(args));
  if (code != 0) return std::nullopt;
  return watch.ElapsedMs();
}

// The floor: one Load and one Save of the copy in this process.
std::optional<double> TimeLoadSave(const std::string& folder) {
  CFileSetStore store;
  Stopwatch watch;
  if (!store.Load(folder + "/" + kDataFileName) || !store.Save()) return std::nullopt;
  return watch.ElapsedMs();
}

}  // namespace

BenchRow MeasureCliBatch(BenchContext& context) {
  BenchRow row = NewRow("ovelin-cli batch, 1000 set add", "one Load() + Save() in process");
  const std::string batchFile = WriteBatchFile(context);
  if (batchFile.empty()) return FailedRow(row, "cannot write the batch file");
  std::vector<double> values;
  std::vector<double> floors;
  for (int i = 0; i < context.options.repeat; ++i) {
    const std::string folder = FreshDataFolder(context);
    if (folder.empty()) return FailedRow(row, "cannot copy the data file");
    const auto floor = TimeLoadSave(folder);
    if (!floor) return FailedRow(row, "the copy cannot be loaded and saved");
    floors.push_back(*floor);
    const auto batch = TimeCli(folder, {"batch", batchFile});
    if (!batch) return FailedRow(row, "ovelin-cli batch failed");
    values.push_back(*batch);
  }
  row.value = Median(values);
  row.floor = Median(floors);
  context.cliBatchMs = row.value;
  row.note = std::to_string(kBatchLines) + " lines, one save";
  return row;
}

BenchRow MeasureCliSeparateCalls(BenchContext& context) {
  BenchRow row = NewRow("1000 separate ovelin-cli set add", "the batch of the same 1000 lines (row above)");
  const std::string folder = FreshDataFolder(context);
  if (folder.empty()) return FailedRow(row, "cannot copy the data file");
  double total = 0;
  for (int i = 0; i < kSeparateCalls; ++i) {
    const auto call = TimeCli(folder, {"set", "add", SetName(i)});
    if (!call) return FailedRow(row, "ovelin-cli set add failed");
    total += *call;
  }
  std::error_code ec;
  fs::remove_all(folder, ec);
  row.value = total * kBatchLines / kSeparateCalls;
  row.floor = context.cliBatchMs;
  row.note = std::to_string(kSeparateCalls) + " calls timed, " +
             std::to_string(static_cast<int>(total / kSeparateCalls)) + " ms each, scaled to " +
             std::to_string(kBatchLines);
  return row;
}

}  // namespace ovelin
