#include "query/operand.h"

namespace ovelin {
namespace {

// The pieces and operators of a condition word, split outside double quotes.
struct ConditionParts {
  std::vector<std::string_view> pieces;
  std::vector<std::string_view> operators;
};

std::optional<ConditionParts> SplitCondition(std::string_view word) {
  ConditionParts parts;
  bool quoted = false;
  size_t pieceStart = 0;
  size_t i = 0;
  while (i < word.size()) {
    const char c = word[i];
    if (c == '"') quoted = !quoted;
    if (quoted || (c != '=' && c != '!' && c != '<' && c != '>')) {
      ++i;
      continue;
    }
    size_t length = 1;
    const bool followedByEquals = i + 1 < word.size() && word[i + 1] == '=';
    if (c == '!' && !followedByEquals) return std::nullopt;
    if (c != '=' && followedByEquals) length = 2;
    parts.pieces.push_back(word.substr(pieceStart, i - pieceStart));
    parts.operators.push_back(word.substr(i, length));
    i += length;
    pieceStart = i;
  }
  parts.pieces.push_back(word.substr(pieceStart));
  return parts;
}

// A typed condition value: quoted anywhere means STRING; the quotes around it are
// stripped and a quote left inside makes the value invalid (there is no escape).
struct TypedValue {
  std::string type;
  std::string text;
};

std::optional<TypedValue> ReadValue(std::string_view raw) {
  if (raw.empty()) return std::nullopt;
  const bool quoted = raw.find('"') != std::string_view::npos;
  const size_t first = raw.find_first_not_of('"');
  if (first == std::string_view::npos) return TypedValue{std::string(kTypeString), {}};
  const size_t last = raw.find_last_not_of('"');
  std::string_view inner = raw.substr(first, last - first + 1);
  if (inner.find('"') != std::string_view::npos) return std::nullopt;
  return TypedValue{std::string(quoted ? kTypeString : kTypeNumber), std::string(inner)};
}

std::string Bound(char marker, const std::string& value) { return std::string(1, marker) + value; }

std::optional<Condition> SingleForm(std::string_view name, std::string_view op, std::string_view raw) {
  auto value = ReadValue(raw);
  if (!value || name.empty()) return std::nullopt;
  Condition condition{std::string(name), value->type, {}, {}};
  if (op == "=") {
    condition.lower = condition.upper = Bound(kInclusiveBound, value->text);
  } else if (op == "!=") {
    condition.lower = condition.upper = Bound(kNotEqualBound, value->text);
  } else if (op == ">") {
    condition.lower = Bound(kExclusiveBound, value->text);
  } else if (op == ">=") {
    condition.lower = Bound(kInclusiveBound, value->text);
  } else if (op == "<") {
    condition.upper = Bound(kExclusiveBound, value->text);
  } else if (op == "<=") {
    condition.upper = Bound(kInclusiveBound, value->text);
  }
  return condition;
}

// Sets the bound that "value op name" (first) or "name op value" (second) gives.
void ApplyRangeOperator(Condition& condition, std::string_view op, bool valueFirst, const std::string& value) {
  const bool strict = op.size() == 1;
  const char marker = strict ? kExclusiveBound : kInclusiveBound;
  // "value < name" bounds the name from below, as does "name > value".
  const bool less = op[0] == '<';
  const bool lowerBound = valueFirst ? less : !less;
  (lowerBound ? condition.lower : condition.upper) = Bound(marker, value);
}

std::optional<Condition> RangeForm(const ConditionParts& parts) {
  for (auto op : parts.operators) {
    if (op == "=" || op == "!=") return std::nullopt;
  }
  auto first = ReadValue(parts.pieces[0]);
  auto second = ReadValue(parts.pieces[2]);
  const std::string_view name = parts.pieces[1];
  if (!first || !second || first->type != second->type || name.empty()) return std::nullopt;
  Condition condition{std::string(name), first->type, {}, {}};
  ApplyRangeOperator(condition, parts.operators[0], true, first->text);
  ApplyRangeOperator(condition, parts.operators[1], false, second->text);
  if (condition.lower.empty() || condition.upper.empty()) return std::nullopt;
  return condition;
}

}  // namespace

std::optional<Condition> ParseCondition(std::string_view word) {
  auto parts = SplitCondition(word);
  if (!parts) return std::nullopt;
  if (parts->operators.size() == 1) return SingleForm(parts->pieces[0], parts->operators[0], parts->pieces[1]);
  if (parts->operators.size() == 2) return RangeForm(*parts);
  return std::nullopt;
}

std::vector<std::string_view> SplitOperandWords(std::string_view text) {
  std::vector<std::string_view> words;
  bool quoted = false;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    const bool atEnd = i == text.size();
    if (!atEnd && text[i] == '"') quoted = !quoted;
    if (!atEnd && (quoted || text[i] != ' ')) continue;
    if (i > start) words.push_back(text.substr(start, i - start));
    start = i + 1;
  }
  return words;
}

std::string_view StripOperandParentheses(std::string_view token) {
  const size_t first = token.find_first_not_of("()");
  if (first == std::string_view::npos) return {};
  return token.substr(first, token.find_last_not_of("()") - first + 1);
}

std::optional<Operand> ParseOperand(std::string_view token) {
  const auto words = SplitOperandWords(StripOperandParentheses(token));
  if (words.empty()) return std::nullopt;
  Operand operand{std::string(words[0]), {}};
  for (size_t i = 1; i < words.size(); ++i) {
    auto condition = ParseCondition(words[i]);
    if (!condition) return std::nullopt;
    operand.conditions.push_back(std::move(*condition));
  }
  return operand;
}

}  // namespace ovelin
