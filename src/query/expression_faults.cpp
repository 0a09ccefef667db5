#include "query/expression_faults.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "query/operand.h"
#include "store/property_definition.h"

namespace ovelin {
namespace {

// Operators that users bring from other languages; none means anything here.
// Longer ones first, so that "==" is named rather than a lone "=".
constexpr std::array<std::string_view, 12> kForeignOperators = {"==", "<>", "=>", "=<", "&&", "||",
                                                                "&",  "|",  ",",  "，", ";",  "*"};

// The first foreign operator outside double quotes in a word; empty when none.
std::string_view FindForeignOperator(std::string_view word) {
  bool quoted = false;
  for (size_t i = 0; i < word.size(); ++i) {
    if (word[i] == '"') quoted = !quoted;
    if (quoted) continue;
    for (std::string_view op : kForeignOperators) {
      if (word.substr(i, op.size()) == op) return word.substr(i, op.size());
    }
  }
  return {};
}

ExpressionFault At(MessageId reason, std::string_view text, std::string_view at, std::vector<std::string> values = {}) {
  return {reason, CharacterPosition(text, at), std::move(values)};
}

// A name that no set or view set has: a foreign operator in it, or a condition
// written without its set, explains the mistake better than the name itself.
ExpressionFault UnknownNameFault(std::string_view text, std::string_view name) {
  if (std::string_view op = FindForeignOperator(name); !op.empty()) {
    return At(MessageId::UnknownOperator, text, op, {std::string(op)});
  }
  if (name.find_first_of("=!<>") != std::string_view::npos) {
    return At(MessageId::ConditionWithoutSet, text, name, {std::string(name)});
  }
  return At(MessageId::UnknownName, text, name, {std::string(name)});
}

struct NamedOperand {
  std::string name;
  bool isViewSet = false;
  DefinitionList definitions;  // in force for an entity set; none for a view set
};

std::optional<ExpressionFault> ConditionFault(std::string_view text, std::string_view word,
                                              const NamedOperand& operand) {
  const std::optional<Condition> condition = ParseCondition(word);
  if (!condition) {
    if (std::string_view op = FindForeignOperator(word); !op.empty()) {
      return At(MessageId::UnknownOperator, text, op, {std::string(op)});
    }
    return At(MessageId::BadCondition, text, word, {std::string(word)});
  }
  if (operand.isViewSet) return At(MessageId::ConditionOnViewSet, text, word, {operand.name});
  const PropertyDefinition* definition = FindDefinition(operand.definitions, condition->property);
  if (!definition) return At(MessageId::UndefinedProperty, text, word, {condition->property, operand.name});
  if (definition->type == condition->type) return std::nullopt;
  // An unquoted value is a number, a quoted one text.
  const bool unquoted = condition->type == kTypeNumber;
  return At(unquoted ? MessageId::TextNeedsQuotes : MessageId::NumberNeedsNoQuotes, text, word, {condition->property});
}

std::vector<std::string> FaultValues(const ExpressionFault& fault) {
  if (fault.position == 0) return fault.values;
  std::vector<std::string> values{std::to_string(fault.position)};
  values.insert(values.end(), fault.values.begin(), fault.values.end());
  return values;
}

// A fault found inside the view set `name`, restated at the operand that names it:
// a cycle names the view set that comes round again, anything else is quoted.
ExpressionFault Restated(const ExpressionFault& inner, std::string_view text, std::string_view name) {
  if (inner.reason == MessageId::ExpressionTooLarge) return inner;
  if (inner.reason == MessageId::ViewSetCycle) return At(MessageId::ViewSetCycle, text, name, inner.values);
  return At(MessageId::ViewSetFails, text, name, {std::string(name), MessageText(inner.reason, FaultValues(inner))});
}

}  // namespace

size_t CharacterCount(std::string_view text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // not a continuation byte
  }));
}

size_t CharacterPosition(std::string_view text, std::string_view at) {
  return CharacterCount(text.substr(0, static_cast<size_t>(at.data() - text.data()))) + 1;
}

std::string_view UnclosedQuote(std::string_view text) {
  size_t open = std::string_view::npos;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') open = open == std::string_view::npos ? i : std::string_view::npos;
  }
  return open == std::string_view::npos ? std::string_view() : text.substr(open, 1);
}

std::string_view UnclosedParenthesis(std::string_view text) {
  std::vector<size_t> open;
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (quoted) continue;
    if (text[i] == '(') open.push_back(i);
    if (text[i] == ')' && !open.empty()) open.pop_back();
  }
  return open.empty() ? std::string_view() : text.substr(open.back(), 1);
}

ExpressionFault DiagnoseOperand(EvaluationContext& context, std::string_view text, std::string_view token) {
  if (std::string_view quote = UnclosedQuote(token); !quote.empty()) return At(MessageId::MissingQuote, text, quote);
  const std::vector<std::string_view> words = SplitOperandWords(StripOperandParentheses(token));
  if (words.empty()) return At(MessageId::UnknownName, text, token, {std::string(token)});
  const CFileSetStore& store = context.Store();
  NamedOperand operand{std::string(words[0]), false, {}};
  const bool isSet = static_cast<bool>(store.FindFileSet(operand.name));
  operand.isViewSet = !isSet && context.ViewSetExpression(operand.name).has_value();
  if (!isSet && !operand.isViewSet) return UnknownNameFault(text, words[0]);
  if (isSet && words.size() > 1) operand.definitions = store.GetDefinitions(operand.name);
  for (size_t i = 1; i < words.size(); ++i) {
    if (auto fault = ConditionFault(text, words[i], operand)) return *fault;
  }
  if (context.Fault()) return Restated(*context.Fault(), text, words[0]);
  if (context.Exhausted()) return {MessageId::ExpressionTooLarge};
  return At(MessageId::UnknownName, text, words[0], {operand.name});
}

void PlaceInStoredExpression(EvaluationContext& context, std::string_view expression) {
  const std::optional<ExpressionFault>& noted = context.Fault();
  if (!noted || noted->position == 0) return;
  const size_t length = CharacterCount(expression);
  // A fault at the added ")" is one at the end of the stored text.
  if (noted->position == length + 2 && noted->reason == MessageId::EmptyParentheses) {
    context.ReplaceFault({MessageId::ExpressionEmpty});
    return;
  }
  if (noted->position == length + 2 && noted->reason == MessageId::OperandMissing) {
    const std::string_view last = expression.substr(expression.find_last_not_of(' '), 1);
    context.ReplaceFault(At(MessageId::OperandMissingAtEnd, expression, last, {std::string(last)}));
    return;
  }
  ExpressionFault fault = *noted;
  fault.position = std::clamp<size_t>(fault.position - 1, 1, std::max<size_t>(length, 1));
  context.ReplaceFault(std::move(fault));
}

CheckResult FaultResult(const std::optional<ExpressionFault>& fault, MessageId message) {
  if (!fault) return {message, MessageId::None};
  return {message, fault->reason, FaultValues(*fault)};
}

}  // namespace ovelin
