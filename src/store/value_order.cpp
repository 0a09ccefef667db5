#include "store/value_order.h"

#include <locale.h>

#include <cstdlib>
#include <string>

#include "base/text_order.h"

namespace ovelin {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

size_t SkipDigits(std::string_view text, size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

// Length of the decimal number at the start of `text`, or 0 when there is none.
size_t DecimalLength(std::string_view text) {
  size_t at = (!text.empty() && (text[0] == '+' || text[0] == '-')) ? 1 : 0;
  const size_t integerEnd = SkipDigits(text, at);
  size_t end = integerEnd;
  bool digits = integerEnd > at;
  if (end < text.size() && text[end] == '.') {
    const size_t fractionEnd = SkipDigits(text, end + 1);
    digits = digits || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (!digits) return 0;
  if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
    size_t exponent = end + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const size_t exponentEnd = SkipDigits(text, exponent);
    if (exponentEnd > exponent) end = exponentEnd;
  }
  return end;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  size_t start = 0;
  while (start < text.size() && IsSpace(text[start])) ++start;
  const std::string number(text.substr(start, DecimalLength(text.substr(start))));
  if (number.empty()) return 0;
  // Only decimal characters reach strtod; the "C" locale keeps the point a point
  // whatever locale the desktop program has set for the user.
  static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
  return ::strtod_l(number.c_str(), nullptr, cLocale);
}

int CompareValues(std::string_view type, std::string_view a, std::string_view b) {
  if (type == "NUMBER") {
    const double x = LeadingNumber(a);
    const double y = LeadingNumber(b);
    return x < y ? -1 : (x > y ? 1 : 0);
  }
  if (type == "STRING") return CompareUtf16(a, b);
  return 0;
}

}  // namespace ovelin
