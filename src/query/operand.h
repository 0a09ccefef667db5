#pragma once
// Operands of the expression language: a set or view set name narrowed by
// conditions on item property values, and the parsers of their text.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovelin {

inline constexpr std::string_view kEmptySetName = "#空集#";
inline constexpr std::string_view kTypeNumber = "NUMBER";
inline constexpr std::string_view kTypeString = "STRING";

/// Bound markers: the first character of a non-empty bound, followed by the value.
inline constexpr char kInclusiveBound = '=';
inline constexpr char kExclusiveBound = '!';
inline constexpr char kNotEqualBound = '~';

/// One condition word: a property, its value type and the two bounds.
/// A bound is empty or a marker character followed by the value.
struct Condition {
  std::string property;
  std::string type;  // "NUMBER" or "STRING"
  std::string lower;
  std::string upper;

  bool operator==(const Condition&) const = default;
};

/// An operand token: the name of a set or view set and its conditions in order.
struct Operand {
  std::string name;
  std::vector<Condition> conditions;

  bool operator==(const Operand&) const = default;
};

/// Parses one condition word (single form "Size>5" or range form "1<Size<=5");
/// nothing when the word is not a valid condition.
std::optional<Condition> ParseCondition(std::string_view word);

/// Parses an operand token: strips leading and trailing parentheses, splits the
/// rest into words at spaces outside double quotes; the first word is the name,
/// every further word a condition. Nothing when there is no word or a condition is invalid.
std::optional<Operand> ParseOperand(std::string_view token);

/// The token without its leading and trailing "(" and ")" characters.
std::string_view StripOperandParentheses(std::string_view token);

/// Splits at spaces outside double quotes, dropping empty words.
std::vector<std::string_view> SplitOperandWords(std::string_view text);

}  // namespace ovelin
