#pragma once
// Splits expression text into operator characters and operand tokens.

#include <cstddef>
#include <string_view>

namespace ovelin {

/// True for the characters that are tokens by themselves: + - ^ ( ).
bool IsOperatorChar(char c);

/// The token that starts at `pos`, advancing `pos` past it: one operator character,
/// or the longest run up to the next operator character outside double quotes.
/// Empty at the end of the text.
std::string_view NextToken(std::string_view text, size_t& pos);

}  // namespace ovelin
