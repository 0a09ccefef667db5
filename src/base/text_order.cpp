#include "base/text_order.h"

#include <algorithm>

namespace ovelin {

int CompareUtf16(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  size_t i = 0;
  while (i < common && a[i] == b[i]) ++i;
  if (i == common) {
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
  }
  // Back up to the start of the character in which the texts differ.
  size_t start = i;
  while (start > 0 && (static_cast<unsigned char>(a[start]) & 0xC0) == 0x80) --start;
  const auto leadA = static_cast<unsigned char>(a[start]);
  const auto leadB = static_cast<unsigned char>(b[start]);
  // A character above U+FFFF (4-byte UTF-8, lead 0xF0..0xF4) is a surrogate pair
  // in UTF-16 and so sorts before U+E000..U+FFFF (lead 0xEE or 0xEF).
  const bool supplementaryA = leadA >= 0xF0;
  const bool supplementaryB = leadB >= 0xF0;
  const bool highBmpA = leadA == 0xEE || leadA == 0xEF;
  const bool highBmpB = leadB == 0xEE || leadB == 0xEF;
  if (supplementaryA && highBmpB) return -1;
  if (highBmpA && supplementaryB) return 1;
  return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[i]) ? -1 : 1;
}

}  // namespace ovelin
