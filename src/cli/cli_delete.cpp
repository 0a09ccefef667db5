// The rm-items command: removes items from every set and moves their local files
// to the Trash (or deletes them for good), through the deleting engine, without a
// dialog.

#include "base/messages.h"
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

const char* FileStatus(const DeletedItem& item) {
  if (!item.file) return "none";
  switch (item.file->outcome) {
    case RemovalOutcome::Trashed:
      return "trashed";
    case RemovalOutcome::Deleted:
      return "deleted";
    case RemovalOutcome::AlreadyGone:
      return "gone";
    case RemovalOutcome::NoTrash:
    case RemovalOutcome::Failed:
      return "kept";
  }
  return "";
}

// What a dry run found: per URL whether its record would go and what would
// become of its file, with the reason a file would stay.
void PrintPlanned(const CliContext& context, const DeleteResult& result) {
  Json items = Json::array();
  for (const auto& item : result.items) {
    const char* record = item.recordRemoved ? "removed" : "none";
    const std::string reason = item.file ? item.file->error : std::string();
    if (!context.WantsJson()) {
      PrintLine(item.url + "\t" + record + "\t" + FileStatus(item) + (reason.empty() ? "" : "\t" + reason));
      continue;
    }
    items.push_back(Json{{"url", item.url}, {"record", record}, {"file", FileStatus(item)}, {"reason", reason}});
  }
  if (context.WantsJson()) PrintJson(items);
}

int Run(CliContext& context, const ParsedArgs& args) {
  for (const auto& operand : args.positionals) {
    if (operand.empty()) return Report({MessageId::EmptyUrl, MessageId::None}, kExitUsage);
  }
  const bool deleteFiles = !args.Has("--keep-files");
  if (!deleteFiles && args.Has(kPermanentlyOption)) {
    return Report({MessageId::OptionsExclude, MessageId::None, {"--keep-files", kPermanentlyOption}}, kExitUsage);
  }
  const bool dryRun = args.Has(kDryRunOption);
  if (int rc = dryRun ? context.OpenForReading() : context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.Store();
  std::vector<std::string> urls;
  for (const auto& operand : args.positionals) urls.push_back(ItemUrlOf(store, operand));

  // Without a progress object every failure is ignored; it is reported from the result.
  const DeleteResult result = DeleteItems(store, urls, deleteFiles, nullptr, RemovalOf(args), context.Filing(dryRun));
  if (dryRun) PrintPlanned(context, result);
  bool failed = false;
  std::string unknown;  // the reasons for items that are not recorded
  size_t unknownCount = 0;
  for (const auto& item : result.items) {
    if (item.file && !item.file->Gone()) {
      ReportKeptFile(item.url, *item.file);
      failed = true;
    } else if (DidNothing(item)) {
      if (unknownCount++ > 0) unknown += MessageText(MessageId::ReasonSeparator);
      unknown += MessageText(MessageId::UnknownItem, {item.url});
    }
  }
  if (!result.saved && !dryRun) {
    return Report({MessageId::SaveFailed, MessageId::None, {store.GetDataFilePath()}}, kExitFailed);
  }
  if (unknownCount > 0) {
    return Fail(kExitFailed, MessageText(MessageId::ItemsNotRemoved, {std::to_string(unknownCount)}), unknown,
                MessageCode(MessageId::UnknownItem));
  }
  return failed ? kExitFailed : kExitOk;
}

}  // namespace

std::vector<Command> DeleteCommands() {
  return {
      {"rm-items",
       "",
       "[--keep-files | --permanently] [--dry-run] URL...",
       "Removes items from every set and moves their local files to the Trash.",
       {{"--keep-files", false}, {kPermanentlyOption, false}, {kDryRunOption, false}},
       1,
       kAnyCount,
       Run,
       "URL is an item's path as stored; a local path stands for its file URL. Without\n"
       "--keep-files the local file of a file URL goes to the user's Trash, also when no\n"
       "item records it; --permanently deletes it for good instead. A file whose file\n"
       "system has no usable trash is kept. Folders are never deleted; a file already gone\n"
       "is no failure. A file that stays is reported and the others are still handled;\n"
       "the exit code is then 1.\n"
       "--dry-run changes nothing and prints per URL: the URL, whether its record would be\n"
       "removed (removed or none), what would become of its file (trashed, deleted, gone, kept,\n"
       "or none when it is not touched), and why a file would be kept; stderr and the exit\n"
       "code are those of the real run (whether a file system has a usable trash is not checked).\n"
       "With --json: [{\"url\", \"record\", \"file\", \"reason\"}]."},
  };
}

}  // namespace ovelin::cli
