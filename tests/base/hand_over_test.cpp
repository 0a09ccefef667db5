// The hand-over message and the UTF-16 text it travels in.
#include <gtest/gtest.h>

#include "base/hand_over.h"
#include "base/unicode_text.h"

namespace ovelin {
namespace {

TEST(HandOver, RecordsRoundTripThroughUtf16) {
  const std::vector<HandOverRecord> records = {
      {"a b.txt", "file:///tmp/a%20b.txt"}, {"网页", "https://example.org/页"}, {"😀", "file:///x"}};
  const std::string body = EncodeHandOverRecords(records);
  EXPECT_EQ(ParseHandOverRecords(body), records);
  EXPECT_EQ(ParseHandOverRecords(body + "z"), records);  // an odd trailing byte is ignored
  const std::string framed = FrameHandOverMessage(body);
  ASSERT_EQ(framed.size(), body.size() + 4);
  EXPECT_EQ(static_cast<unsigned char>(framed[0]) | static_cast<unsigned char>(framed[1]) << 8, body.size());
}

TEST(HandOver, RecordsNeedANameFieldAndAnAddress) {
  const std::string text =
      "only-one\x1E"
      "n\x1F\x1E"
      "a\x1F"
      "b\x1F"
      "c\x1E\x1F"
      "file:///nameless\x1E"
      "ok\x1Fhttp://x";
  EXPECT_EQ(ParseHandOverRecords(Utf8ToUtf16Le(text)),
            (std::vector<HandOverRecord>{{"", "file:///nameless"}, {"ok", "http://x"}}));
  EXPECT_TRUE(ParseHandOverRecords("").empty());
}

TEST(Utf8ToUtf16Le, PairsAndInvalidBytes) {
  EXPECT_EQ(Utf8ToUtf16Le("A中"), std::string("A\0\x2D\x4E", 4));
  EXPECT_EQ(Utf8ToUtf16Le("\xF0\x9F\x98\x80"), std::string("\x3D\xD8\x00\xDE", 4));
  // A stray continuation byte, an overlong form and a cut sequence become U+FFFD each.
  EXPECT_EQ(Utf8ToUtf16Le("\x80"), "\xFD\xFF");
  EXPECT_EQ(Utf8ToUtf16Le("\xC0\xAF"), "\xFD\xFF\xFD\xFF");
  EXPECT_EQ(Utf8ToUtf16Le("\xE4\xB8"), "\xFD\xFF\xFD\xFF");
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16Le("round trip 往返 😀"), false), "round trip 往返 😀");
}

}  // namespace
}  // namespace ovelin
