// The rm-items command: removes items from every set and deletes their local files,
// through the deleting engine, without a dialog.

#include "cli/cli_commands.h"
#include "cli/cli_filing_batch.h"
#include "cli/cli_filing_progress.h"
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

// A URL that did nothing: no record, and no file deletion was tried. A failed
// deletion has been reported by the engine already.
bool DidNothing(const DeletedItem& item, bool deleteFiles) {
  if (item.recordRemoved || item.fileDeleted) return false;
  return !deleteFiles || !LocalPathOfUrl(item.url);
}

int Run(CliContext& context, const ParsedArgs& args) {
  for (const auto& operand : args.positionals) {
    if (operand.empty()) return Fail(kExitUsage, "an empty URL names nothing");
  }
  if (int rc = context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.store();
  std::vector<std::string> urls;
  for (const auto& operand : args.positionals) urls.push_back(ItemUrlOf(store, operand));

  const bool deleteFiles = !args.Has("--keep-files");
  CliFilingProgress progress(ErrorChoice::Ignore);
  const DeleteResult result = DeleteItems(store, urls, deleteFiles, &progress);
  bool failed = progress.errors() > 0;
  for (const auto& item : result.items) {
    if (!DidNothing(item, deleteFiles)) continue;
    Warn("no item with the path " + item.url);
    failed = true;
  }
  if (!result.saved) return Fail(kExitFailed, "cannot save the data file " + store.GetDataFilePath());
  return failed ? kExitFailed : kExitOk;
}

}  // namespace

std::vector<Command> DeleteCommands() {
  return {
      {"rm-items", "", "[--keep-files] URL...", "Removes items from every set and deletes their local files.",
       {{"--keep-files", false}}, 1, kAnyCount, Run,
       "URL is an item's path as stored; a local path stands for its file URL. Without\n"
       "--keep-files the local file of a file URL is deleted, also when no item records it;\n"
       "folders are never deleted. A file that cannot be deleted is reported and the others\n"
       "are still handled; the exit code is then 1."},
  };
}

}  // namespace ovelin::cli
