// The rm-items command: removes items from every set and moves their local files
// to the Trash (or deletes them for good), through the deleting engine, without a
// dialog.

#include "cli/cli_commands.h"
#include "cli/cli_file_removal.h"
#include "cli/cli_filing_batch.h"
#include "cli/cli_output.h"
#include "filing/delete_items.h"
#include "filing/url_parts.h"

namespace ovelin::cli {
namespace {

// An operand that is a recorded item path stays as it is (addresses are kept as
// typed and need not hold "://"); a local path stands for its file URL.
std::string ItemUrlOf(const CFileSetStore& store, const std::string& operand) {
  if (!store.FindItemByPath(operand).GetPath().empty()) return operand;
  return IsLocalTarget(operand) ? MakeFileUrl(NormalLocalPath(operand)) : operand;
}

// A URL that did nothing: no record, and no file was removed or kept by a failure.
bool DidNothing(const DeletedItem& item) {
  if (item.recordRemoved) return false;
  return !item.file || item.file->outcome == RemovalOutcome::AlreadyGone;
}

int Run(CliContext& context, const ParsedArgs& args) {
  for (const auto& operand : args.positionals) {
    if (operand.empty()) return Fail(kExitUsage, "an empty URL names nothing");
  }
  const bool deleteFiles = !args.Has("--keep-files");
  if (!deleteFiles && args.Has(kPermanentlyOption)) {
    return Fail(kExitUsage, std::string("--keep-files and ") + kPermanentlyOption + " exclude each other");
  }
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.store();
  std::vector<std::string> urls;
  for (const auto& operand : args.positionals) urls.push_back(ItemUrlOf(store, operand));

  // Without a progress object every failure is ignored; it is reported from the result.
  const DeleteResult result = DeleteItems(store, urls, deleteFiles, nullptr, RemovalOf(args));
  bool failed = false;
  for (const auto& item : result.items) {
    if (item.file && !item.file->Gone()) {
      ReportKeptFile(item.url, *item.file);
      failed = true;
    } else if (DidNothing(item)) {
      Warn("no item with the path " + item.url);
      failed = true;
    }
  }
  if (!result.saved) return Fail(kExitFailed, "cannot save the data file " + store.GetDataFilePath());
  return failed ? kExitFailed : kExitOk;
}

}  // namespace

std::vector<Command> DeleteCommands() {
  return {
      {"rm-items", "", "[--keep-files | --permanently] URL...",
       "Removes items from every set and moves their local files to the Trash.",
       {{"--keep-files", false}, {kPermanentlyOption, false}}, 1, kAnyCount, Run,
       "URL is an item's path as stored; a local path stands for its file URL. Without\n"
       "--keep-files the local file of a file URL goes to the user's Trash, also when no\n"
       "item records it; --permanently deletes it for good instead. A file whose file\n"
       "system has no usable trash is kept. Folders are never deleted; a file already gone\n"
       "is no failure. A file that stays is reported and the others are still handled;\n"
       "the exit code is then 1."},
  };
}

}  // namespace ovelin::cli
