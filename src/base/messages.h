#pragma once
// Every message of the core and the command line, in Chinese (the program's own
// texts) and English, keyed by identifier. A message may hold numbered places,
// "{1}", "{2}", ..., for the names and values it reports.

#include <string>
#include <string_view>
#include <vector>

#include "base/interface_language.h"

namespace ovelin {

enum class MessageId {
  None,
  // Shown by both front ends for the same situations.
  LoadFailed,
  NoMachineId,
  BackupFailed,
  SetNameEmpty,
  SetNameIllegal,
  NameExists,
  NameConflictsWithSet,
  CreateSetFailed,
  PropertyNameIllegal,
  ParentPropertyConflict,
  PropertyConflict,
  ExpressionError,
  AddViewSetFailed,
  ViewExpressionError,
  ViewNameError,
  DeleteViewSetFailed,
  // Reasons: the second line that says what and where.
  NoLibraryHere,
  UnknownSet,
  UnknownParent,
  ParentCycle,
  BadDefinition,
  BadDefinitionType,
  BadDefinitionOrigin,
  TypeUnchangeable,
  ExtendNotAParent,
  NameUsedBySet,
  NameUsedByViewSet,
  DuplicateDefinition,
  // Reasons an expression fails; {1} is the 1-based character position where
  // the pattern has one.
  ExpressionEmpty,
  ExpressionTooLarge,
  UnknownName,
  ConditionWithoutSet,
  UnknownOperator,
  UnclosedParenthesis,
  UnopenedParenthesis,
  EmptyParentheses,
  OperandMissing,
  OperandMissingAtEnd,
  OperatorMissing,
  BadCondition,
  MissingQuote,
  TextNeedsQuotes,
  NumberNeedsNoQuotes,
  UndefinedProperty,
  ConditionOnViewSet,
  ViewSetCycle,
  ViewSetFails,
  // Reasons a view set operation fails.
  NameEmpty,
  NameIllegal,
  UnknownViewSet,
  SaveFailed,
  // Templates, shown by both front ends.
  TemplateExportSucceeded,
  TemplateExportFailed,
  TemplateImportFailed,
  // Archiving.
  UndefinedItemProperty,
  // The command line's own failures: files, documents, sets, hand-over.
  CannotReadFile,
  CannotWriteFile,
  NotConfigDocument,
  NotSetDocument,
  UnusableDocument,
  RestoreBackupFailed,
  DataFileExists,
  OptionNeedsFolder,
  OptionNeedsOption,
  BadDepth,
  KeywordEmpty,
  TooManyTargets,
  NoSafeChannel,
  DesktopNotRunning,
  HandOverRefused,
  StorePathOptionTwice,
  StorePathOptionMissing,
  RenameSetFailed,
  SetParentsFailed,
  SetDefinitionsFailed,
  NotAnOverride,
  RootSetUndeletable,
  RemoveSetFailed,
  ViewSetsStillRefer,
  ArchivedFileNotMovedBack,
  ArchivedFileMovedBack,
  NoHelpTopic,
  TemplateUndecipherable,
  TemplateWithoutSets,
  // Why an item cannot be filed: its store path, its values.
  UnreachableStorePath,
  ExtensionWithoutParent,
  NoSuchSet,
  ExtendedParentMissing,
  ExtensionLoop,
  NoStoreFolder,
  ValueBelowMinimum,
  ValueAboveMaximum,
  ValueMissing,
  ReasonSeparator,  // between reasons given together
  // Why the hand-over channel's folder cannot be trusted or made.
  FileError,
  FolderIsLink,
  NotAFolder,
  FolderOfOtherUser,
  FolderOpenToOthers,
  CannotCreateFolder,
  FileKeptNoTrash,
  FileKept,
  // Editing a recorded item (item set, the item edit list).
  ItemEditFailed,
  UnknownItem,
  ItemWithoutSets,
  ItemSetsPropertyConflict,
  PropertyTypesDiffer,
  ItemPropertyUndefined,
  ValueOutOfRange,
  NothingToChange,
  // Archiving and deleting: the engines' failures and the command line's.
  MoveFailed,
  JournalFailed,
  MovedBack,
  DeleteFailed,
  FolderTarget,
  FolderTargetHint,
  OnErrorChoice,
  ItemOptionWithoutTargets,
  NothingToArchive,
  BatchUnreadable,
  NoSuchTarget,
  NotArchived,
  MovedNotRecorded,
  ArchivingStopped,
  EmptyTarget,
  PropOptionNeedsNameValue,
  NameOptionBlank,
  BaseOptionEmpty,
  BatchOnStdin,
  BatchRecordPlace,
  BatchNotJson,
  BatchNotArray,
  BatchRecordNotObject,
  BatchUnknownField,
  BatchFieldNotString,
  BatchBadPropertyValues,
  BatchNameBlank,
  BatchUrlMissing,
  BatchUrlIsPath,
  EmptyUrl,
  OptionsExclude,
  // The command line's usage errors, its data folder and lock, and batches.
  UsageNoCommand,
  UsageUnknownCommand,
  UsageNeedsSubcommand,
  UsageUnknownOption,
  UsageOptionNeedsValue,
  UsageOptionTakesNoValue,
  UsageMissingArguments,
  UsageTooManyArguments,
  UsageLine,
  UsageHint,
  DataFileLocked,
  LockFailed,
  CannotCreateDataFolder,
  BatchLineStopped,
  BatchLineSkipped,
  BatchCommandRefused,
  BatchNoNesting,
  BatchNoInit,
  BatchNoSend,
  BatchGlobalOption,
  BatchBadQuoting,
  BatchFileMovedBack,
  // What a command did not do, shown above the check's own text as the reason.
  AddSetFailed,
  SetPathFailed,
  NothingArchived,
  RestoreFailed,
  ItemsNotRemoved,
  Count,  // the number of identifiers; not a message
};

/// The message in `language`, with its places unfilled.
std::string_view MessagePattern(MessageId id, Language language);

/// The message in the interface language with places {1}, {2}, ... filled from
/// `values` in order; a place without a value stays as it is.
std::string MessageText(MessageId id, const std::vector<std::string>& values = {});

/// The same in the given language.
std::string MessageText(MessageId id, Language language, const std::vector<std::string>& values = {});

/// A short stable identifier, such as "unknown-set", for scripts.
std::string_view MessageCode(MessageId id);

}  // namespace ovelin
