#include <gtest/gtest.h>
#include <utf8proc.h>

#include "base/unicode_text.h"
#include "query/content/lower_case.h"
#include "query/content/marked_text.h"

namespace ovelin {
namespace {

using namespace std::string_literals;

TEST(LowerCase, LowersEveryScriptAndKeepsValidUtf8) {
  const struct {
    std::string input, expected;
  } cases[] = {
      {"Hello WORLD 123", "hello world 123"},
      {"ÜBER Größe", "über größe"},
      {"ΣΟΦΊΑ", "σοφία"},              // Greek, simple mapping (no final sigma rule)
      {"СЛОВО", "слово"},              // Cyrillic
      {"中文关键字", "中文关键字"},    // no case
      {"STRASSE ß ẞ", "strasse ß ß"},  // ß stays, capital ẞ lowers to ß
      {"😀A", "😀a"},                    // four-byte sequence
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(LowerCase(c.input), c.expected) << c.input;
}

TEST(LowerCase, ReplacesInvalidBytesInsteadOfFailing) {
  const struct {
    std::string input, expected;
  } cases[] = {
      {"A\xFF"
       "B",
       "a\xEF\xBF\xBD"
       "b"},
      {"\xC3", "\xEF\xBF\xBD"},  // truncated sequence at the end
      {"\xE4\xB8"
       "X",
       "\xEF\xBF\xBD\xEF\xBF\xBD"
       "x"},                                                     // truncated in the middle
      {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // encoded surrogate
      {std::string("a\0B", 3), std::string("a\0b", 3)},          // NUL is kept, text goes on
  };
  for (const auto& c : cases) EXPECT_EQ(LowerCase(c.input), c.expected);
}

TEST(Utf16ToUtf8, DecodesPairsAndReplacesLoneSurrogates) {
  EXPECT_EQ(Utf16ToUtf8(std::string("A\0\x2D\x4E", 4), false), "A中");
  EXPECT_EQ(Utf16ToUtf8(std::string("\0A\x4E\x2D", 4), true), "A中");
  EXPECT_EQ(Utf16ToUtf8("\x3D\xD8\x00\xDE"s, false), "😀");
  EXPECT_EQ(Utf16ToUtf8(std::string("\x3D\xD8"
                                    "A\0",
                                    4),
                        false),
            "\xEF\xBF\xBD"
            "A");                                                             // high without low
  EXPECT_EQ(Utf16ToUtf8(std::string("\x00\xDE", 2), false), "\xEF\xBF\xBD");  // low alone
  EXPECT_EQ(Utf16ToUtf8(std::string("A\0B", 3), false), "A");                 // odd byte dropped
}

TEST(DecodeMarkedText, FollowsTheByteOrderMark) {
  const struct {
    std::string bytes, expected;
  } cases[] = {
      {std::string("\xFF\xFEH\0i\0", 6), "Hi"},
      {std::string("\xFE\xFF\0H\0i", 6), "Hi"},
      {"\xEF\xBB\xBFHi", "Hi"},
      {"Hi \xC3\xBC", "Hi ü"},  // unmarked: UTF-8
      {"\xFF", "\xFF"},         // one byte is no mark
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeMarkedText(c.bytes), c.expected);
}

}  // namespace
}  // namespace ovelin

namespace ovelin {
namespace {

// The copy of caseless CJK bytes must give what per-code-point lower-casing gives.
TEST(LowerCase, CaselessRangeAgreesWithUtf8proc) {
  for (char32_t codePoint = 0x3000; codePoint <= 0x9FFF; ++codePoint) {
    std::string utf8;
    AppendCodePoint(utf8, codePoint);
    std::string expected;
    AppendCodePoint(expected, static_cast<char32_t>(utf8proc_tolower(static_cast<utf8proc_int32_t>(codePoint))));
    ASSERT_EQ(LowerCase(utf8), expected) << std::hex << static_cast<unsigned>(codePoint);
  }
}

}  // namespace
}  // namespace ovelin

namespace ovelin {
namespace {

// Random mixtures of ASCII, Latin, Cyrillic, Greek, CJK, supplementary characters
// and broken bytes against a plain per-code-point reference.
TEST(LowerCase, AgreesWithPerCodePointLowering) {
  const std::vector<std::string> pieces = {"A", "z",  "Q ", "É", "ß",    "İ",    "K",        "Ω",        "Д",
                                           "ж", "中", "Ａ", "😀", "\xC3", "\x80", "\xE4\xB8", "\xF0\x9F", "\xED\xA0\x80",
                                           "Ǆ", "ǅ"};
  unsigned seed = 7;
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    for (int i = 0; i < 12; ++i) {
      seed = seed * 1103515245 + 12345;
      text += pieces[(seed >> 16) % pieces.size()];
    }
    std::string expected;
    const auto* bytes = reinterpret_cast<const utf8proc_uint8_t*>(text.data());
    for (size_t at = 0; at < text.size();) {
      utf8proc_int32_t codePoint = 0;
      const auto length = utf8proc_iterate(bytes + at, static_cast<utf8proc_ssize_t>(text.size() - at), &codePoint);
      if (length <= 0) {
        AppendCodePoint(expected, kReplacementCharacter);
        ++at;
        continue;
      }
      AppendCodePoint(expected, static_cast<char32_t>(utf8proc_tolower(codePoint)));
      at += static_cast<size_t>(length);
    }
    ASSERT_EQ(LowerCase(text), expected) << text;
  }
}

}  // namespace
}  // namespace ovelin
