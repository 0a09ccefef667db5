// The archive command: moves files into the store paths of their sets and records
// them, through the archiving engine, without a dialog.

#include <algorithm>
#include <filesystem>

#include "base/messages.h"
#include "cli/cli_commands.h"
#include "cli/cli_filing_batch.h"
#include "cli/cli_filing_progress.h"
#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "cli/cli_set_checks.h"
#include "filing/archive_engine.h"
#include "filing/url_parts.h"
#include "store/set_checks.h"

namespace ovelin::cli {
namespace {

constexpr const char* kItemOptions[] = {"--name", "--description", "--set", "--store-set", "--base", "--prop"};

int ChooseErrorAnswer(const ParsedArgs& args, ErrorChoice& answer) {
  const std::string choice = args.Last("--on-error").value_or("ignore");
  if (choice == "ignore") {
    answer = ErrorChoice::Ignore;
  } else if (choice == "abort") {
    answer = ErrorChoice::Abort;
  } else {
    return Report({MessageId::OnErrorChoice, MessageId::None, {choice}}, kExitUsage);
  }
  return kExitOk;
}

// Item options without a TARGET would silently do nothing.
int CheckItemOptionsHaveTargets(const ParsedArgs& args) {
  if (!args.positionals.empty()) return kExitOk;
  for (const char* option : kItemOptions) {
    if (args.Has(option)) return Report({MessageId::ItemOptionWithoutTargets, MessageId::None, {option}}, kExitUsage);
  }
  if (!args.Has("--batch")) return Report({MessageId::NothingToArchive, MessageId::None}, kExitUsage);
  return kExitOk;
}

int ReadBatch(const ParsedArgs& args, PigeonholeBatch& batch) {
  const auto file = args.Last("--batch");
  if (!file) return kExitOk;
  const auto text = ReadInputText(*file);
  if (!text) return Report({MessageId::BatchUnreadable, MessageId::None, {*file}}, kExitFailed);
  return AppendJsonRecords(*text, *file == "-" ? MessageText(MessageId::BatchOnStdin) : *file, batch);
}

// A local path typed on the command line that names nothing is a typing error;
// archiving it would record an item without a file.
int CheckLocalTargetsExist(const ParsedArgs& args) {
  for (const auto& target : args.positionals) {
    if (!IsLocalTarget(target)) continue;
    std::error_code ec;
    if (!std::filesystem::exists(std::filesystem::symlink_status(NormalLocalPath(target), ec))) {
      return Report({MessageId::NothingArchived, MessageId::NoSuchTarget, {target}});
    }
  }
  return kExitOk;
}

// Every set a record names must exist before anything moves.
int CheckRecordSets(const CFileSetStore& store, const PigeonholeBatch& batch) {
  for (const auto& record : batch) {
    for (const auto& name : SplitNames(record.BelongSets)) {
      if (int rc = ReportUnder(MessageId::NothingArchived, name, CheckSetExists(store, name)); rc != kExitOk) return rc;
    }
    if (record.PigPathSet.empty()) continue;
    const CheckResult storeSet = CheckSetExists(store, record.PigPathSet);
    if (int rc = ReportUnder(MessageId::NothingArchived, record.PigPathSet, storeSet); rc != kExitOk) return rc;
  }
  return kExitOk;
}

// Every --prop names a property that the TARGETs' sets (or sets below them) define:
// a mistyped name would otherwise be carried silently. The TARGETs share their options.
int CheckTargetProperties(const CFileSetStore& store, const PigeonholeBatch& batch, size_t firstTarget) {
  if (firstTarget >= batch.size()) return kExitOk;
  const ITEM_PIGEONHOLE_STRUCT& record = batch[firstTarget];
  NameList names;
  for (const auto& entry : record.PropValueAry) names.emplace_back(PropertyEntryName(entry));
  return ReportUnder(MessageId::NothingArchived, {},
                     CheckPropertiesDefined(store, SplitNames(record.BelongSets), names));
}

// A TARGET's item carries an empty value (so the initial value) for every
// property in force for its sets that no --prop gave: without a value the item
// would fit none of those sets and not be archived. A --batch record
// is the engine's input as it stands: a property it leaves out is reported.
void CompleteTargetValues(const CFileSetStore& store, PigeonholeBatch& batch, size_t firstTarget) {
  for (size_t i = firstTarget; i < batch.size(); ++i) {
    ITEM_PIGEONHOLE_STRUCT& record = batch[i];
    NameList sets = SplitNames(record.BelongSets);
    if (sets.empty()) sets.push_back(store.GetRootName());
    bool conflict = false;
    CFileItem given;
    for (const auto& entry : record.PropValueAry) given.AppendPropertyEntry(entry);
    for (const auto& definition : store.CollectDefinitions(sets, conflict)) {
      if (given.FindPropertyValue(definition.name) < 0) record.PropValueAry.push_back(definition.name + ";");
    }
  }
}

const char* StatusName(ArchiveStatus status) {
  switch (status) {
    case ArchiveStatus::Moved:
      return "moved";
    case ArchiveStatus::Recorded:
      return "recorded";
    case ArchiveStatus::Unplaced:
      return "unplaced";
    case ArchiveStatus::Failed:
      return "failed";
  }
  return "";
}

// An item that fits none of its sets was left alone: the user must hear why. A
// failed move was reported when it happened.
int CountUnplaced(const ArchiveResult& result) {
  int unplaced = 0;
  for (const auto& item : result.items) {
    if (item.status != ArchiveStatus::Unplaced) continue;
    Warn(MessageText(MessageId::NotArchived, {item.oldUrl, item.reason}));
    ++unplaced;
  }
  return unplaced;
}

// After a failed save the moved files went back; one that could not is not
// recorded, and goes back at the next change.
void WarnUnrecorded(const ArchiveResult& result) {
  for (const auto& item : result.items) {
    if (item.status == ArchiveStatus::Moved) Warn(MessageText(MessageId::MovedNotRecorded, {item.newUrl}));
  }
}

// A dry run's line: the real run's, then the status and the reason the item
// would be left (on one line), or the sets that would hold it.
std::string PlannedLine(const ArchivedItem& item) {
  std::string detail = item.reason.empty() ? JoinNames(item.sets) : item.reason;
  std::replace(detail.begin(), detail.end(), '\n', ' ');
  return item.oldUrl + "\t" + item.newUrl + "\t" + StatusName(item.status) + "\t" + detail;
}

void PrintArchived(const CliContext& context, const ArchiveResult& result, bool dryRun) {
  if (!context.WantsJson()) {
    for (const auto& item : result.items) PrintLine(dryRun ? PlannedLine(item) : item.oldUrl + "\t" + item.newUrl);
    return;
  }
  Json items = Json::array();
  for (const auto& item : result.items) {
    items.push_back(Json{{"old", item.oldUrl},
                         {"new", item.newUrl},
                         {"sets", NamesToJson(item.sets)},
                         {"status", StatusName(item.status)},
                         {"reason", item.reason}});
  }
  PrintJson(items);
}

int Run(CliContext& context, const ParsedArgs& args) {
  ErrorChoice answer = ErrorChoice::Ignore;
  if (int rc = ChooseErrorAnswer(args, answer); rc != kExitOk) return rc;
  if (int rc = CheckItemOptionsHaveTargets(args); rc != kExitOk) return rc;
  PigeonholeBatch batch;
  if (int rc = ReadBatch(args, batch); rc != kExitOk) return rc;
  const size_t firstTarget = batch.size();
  if (int rc = AppendTargetRecords(args, batch); rc != kExitOk) return rc;
  if (int rc = CheckLocalTargetsExist(args); rc != kExitOk) return rc;
  const bool dryRun = args.Has(kDryRunOption);
  if (int rc = dryRun ? context.OpenForReading() : context.OpenForChange(); rc != kExitOk) return rc;
  CFileSetStore& store = context.Store();
  if (int rc = CheckRecordSets(store, batch); rc != kExitOk) return rc;
  if (int rc = CheckTargetProperties(store, batch, firstTarget); rc != kExitOk) return rc;
  CompleteTargetValues(store, batch, firstTarget);

  CliFilingProgress progress(answer);
  const ArchiveResult result = Archive(store, batch, &progress, context.Filing(dryRun));
  PrintArchived(context, result, dryRun);
  const int unplaced = CountUnplaced(result);
  if (result.aborted) {
    Warn(MessageText(MessageId::ArchivingStopped, {std::to_string(result.items.size()), std::to_string(batch.size())}));
  }
  if (!result.saved && !dryRun) {
    WarnUnrecorded(result);
    return Report({MessageId::SaveFailed, MessageId::None, {store.GetDataFilePath()}}, kExitFailed);
  }
  return progress.Errors() == 0 && unplaced == 0 ? kExitOk : kExitFailed;
}

}  // namespace

std::vector<Command> ArchiveCommands() {
  return {
      {"archive",
       "",
       "[--batch FILE] [--name N] [--description D] [--set S]... [--store-set S] [--base PATH] "
       "[--prop NAME=VALUE]... [--on-error ignore|abort] [-r | --whole] [--dry-run] [TARGET...]",
       "Moves files into the store path of a set and records them in their sets.",
       {{"--batch", true},
        {"--name", true},
        {"--description", true},
        {"--set", true},
        {"--store-set", true},
        {"--base", true},
        {"--prop", true},
        {"--on-error", true},
        {kRecursiveShortOption, false},
        {kRecursiveOption, false},
        {kWholeOption, false},
        {kDryRunOption, false}},
       0,
       kAnyCount,
       Run,
       "TARGET is a local path or a URL; only local files and folders are moved, into the store\n"
       "path of --store-set (not moved without it), re-creating the folders below the last piece\n"
       "of --base (default: the file itself). A name that is taken gets a UTC time stamp; nothing\n"
       "is ever replaced. The item joins the most specific of the --set sets (the root set when\n"
       "none), placed further down by its --prop values; a property without --prop takes its\n"
       "initial value (a --batch record must list every property, an empty value taking the\n"
       "initial value). An item that fits none of its sets is neither moved nor recorded (an\n"
       "earlier record of it stays); it is reported on stderr with the property and the bound\n"
       "it missed, and the exit code is 1.\n"
       "A folder TARGET needs -r/--recursive (each file below it, sub-folders included, becomes\n"
       "an item; links to folders inside it are not followed; the folder is re-created below\n"
       "the store path unless --base says otherwise) or --whole (the folder is one item).\n"
       "The item options apply to every TARGET;\n"
       "--name defaults to the file name, or the URL.\n"
       "--batch FILE (\"-\": stdin) reads a JSON array of records with the fields Name, Description,\n"
       "BelongSets, PigPathSet, Url, BasePath and PropValueAry (an array of \"name;value\").\n"
       "A file that cannot be moved stays where it is and is still recorded (--on-error ignore,\n"
       "the default), or stops the batch (--on-error abort); either way the exit code is 1.\n"
       "So does a file whose store path cannot be reached: a set that the --store-set's store\n"
       "path extends, directly or through others, is missing or comes round again, or the\n"
       "chain ends in a set without a folder; the message names the set and the cause.\n"
       "When the data file cannot be saved, the moved files go back where they were (exit code 1);\n"
       "a run killed before its save is undone the same way by the next command that changes the library.\n"
       "Prints one line per item: old URL, a tab, new URL (the old one again when it stayed).\n"
       "With --json: [{\"old\", \"new\", \"sets\", \"status\", \"reason\"}], status being moved,\n"
       "recorded (not moved: a web address, no store path, already in place), unplaced or failed.\n"
       "--dry-run does everything but change: no file moves, the data file stays as it is. Each\n"
       "line gains the status and the reason the item would be left, or its sets (--json as above);\n"
       "stderr and the exit code are those of the real run."},
  };
}

}  // namespace ovelin::cli
