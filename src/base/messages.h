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
  // Editing a recorded item (item set, the item edit list).
  ItemEditFailed,
  UnknownItem,
  ItemWithoutSets,
  ItemSetsPropertyConflict,
  PropertyTypesDiffer,
  ItemPropertyUndefined,
  ValueOutOfRange,
  PropertyAssignmentMalformed,
  NothingToChange,
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
