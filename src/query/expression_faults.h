#pragma once
// Saying why an expression failed: the cause and its character position. These
// run only after an evaluation has failed, so the evaluation itself stays as
// fast as before. Internal to the query engine.

#include <optional>
#include <string_view>

#include "base/check_result.h"
#include "query/evaluation_context.h"

namespace ovelin {

/// The number of characters (UTF-8 code points) of a text.
size_t CharacterCount(std::string_view text);

/// The 1-based character position of `at`, a view into `text`.
size_t CharacterPosition(std::string_view text, std::string_view at);

/// The double quote of `text` that no later quote closes; empty when all are closed.
std::string_view UnclosedQuote(std::string_view text);

/// The innermost "(" (outside double quotes) that no ")" closes; empty when none.
std::string_view UnclosedParenthesis(std::string_view text);

/// Why the operand token `token`, a view into `text`, failed to parse or to
/// evaluate: the first fault from the left in its name and conditions, else the
/// fault noted inside the view set it names, restated at the name.
ExpressionFault DiagnoseOperand(EvaluationContext& context, std::string_view text, std::string_view token);

/// A view set's expression is read inside an added "(": moves the noted fault's
/// position back into the expression as stored.
void PlaceInStoredExpression(EvaluationContext& context, std::string_view expression);

/// `message` with the fault as its reason; the message alone when no cause was noted.
CheckResult FaultResult(const std::optional<ExpressionFault>& fault, MessageId message);

}  // namespace ovelin
