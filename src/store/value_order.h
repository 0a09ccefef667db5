#pragma once
// Reading and ordering property and condition values: one rule for the whole program.

#include <string_view>

namespace ovelin {

/// The leading decimal number of `text`, whatever the locale: leading white space,
/// an optional sign, digits with an optional point, an optional exponent; the rest
/// is ignored. Hexadecimal, "inf" and "nan" are not numbers; no number reads as 0.
/// A number beyond the range of double reads as an infinity of its sign.
double LeadingNumber(std::string_view text);

/// Orders two values of a property type: "NUMBER" by their leading numbers,
/// "STRING" in UTF-16 code-unit order; any other type holds all values equal.
int CompareValues(std::string_view type, std::string_view a, std::string_view b);

}  // namespace ovelin
