// The cipher envelope, checked against the openssl command-line program.
#include <gtest/gtest.h>

#include "store/envelope.h"
#include "support/openssl_cipher.h"

namespace ovelin {
namespace {

using test::OpensslTripleDes;
using test::TempDir;

Bytes Utf16Text(const std::string& ascii) { return TerminatedUtf16(test::AsciiUtf16(ascii)); }

TEST(Envelope, MatchesOpensslForBothKeys) {
  TempDir dir;
  const Bytes machineId = HexToBytes("0a1b2c3d4e5f");
  const Bytes plain = Utf16Text("<AllSets Version=\"1.50\"/>");
  for (const Bytes& material : {DataFileKeyMaterial(machineId), PortableKeyMaterial()}) {
    const auto ours = Encipher(material, plain);
    ASSERT_TRUE(ours);
    EXPECT_EQ(*ours, OpensslTripleDes(dir, material, plain, true));
    const auto back = Decipher(OpensslTripleDes(dir, material, plain, true), material);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, plain);
  }
}

TEST(Envelope, OpensslDeciphersWhatWeEncipher) {
  TempDir dir;
  const Bytes material = PortableKeyMaterial();
  const Bytes plain = Utf16Text(std::string(1000, 'x'));
  const auto cipher = Encipher(material, plain);
  ASSERT_TRUE(cipher);
  EXPECT_EQ(OpensslTripleDes(dir, material, *cipher, false), plain);
}

TEST(Envelope, CipherLengthIsPaddedPlainLength) {
  const Bytes material = PortableKeyMaterial();
  // n characters -> 2n + 2 plain bytes, padded to the next multiple of 8 (a full block when already aligned).
  for (const auto& [characters, expected] : std::vector<std::pair<size_t, size_t>>{{0, 8}, {2, 8}, {3, 16}, {11, 32}}) {
    const auto cipher = Encipher(material, Utf16Text(std::string(characters, 'a')));
    ASSERT_TRUE(cipher);
    EXPECT_EQ(cipher->size(), expected) << characters << " characters";
  }
}

TEST(Envelope, WrongKeyOrDamagedTextDoesNotYieldThePlainText) {
  const Bytes plain = Utf16Text("<AllSets/>");
  const auto cipher = Encipher(DataFileKeyMaterial(HexToBytes("0a1b2c3d4e5f")), plain);
  ASSERT_TRUE(cipher);
  const auto other = Decipher(*cipher, DataFileKeyMaterial(HexToBytes("0a1b2c3d4e60")));
  EXPECT_TRUE(!other || *other != plain);
  Bytes truncated(cipher->begin(), cipher->end() - 3);
  EXPECT_FALSE(Decipher(truncated, PortableKeyMaterial()));
  EXPECT_FALSE(Decipher({}, PortableKeyMaterial()));
}

TEST(Envelope, HexToBytes) {
  EXPECT_EQ(HexToBytes("00ff7Fa0"), (Bytes{0x00, 0xFF, 0x7F, 0xA0}));
  EXPECT_EQ(HexToBytes(""), Bytes{});
  EXPECT_EQ(HexToBytes("abc"), Bytes{});   // odd length
  EXPECT_EQ(HexToBytes("0g12"), Bytes{});  // a pair that is not hexadecimal
  EXPECT_EQ(HexToBytes("3C5A9E0B7D21F4680E9B2C7A51D3F86E").size(), 16u);
}

TEST(Envelope, TextEndsAtTheFirstZeroCodeUnit) {
  Bytes plain = Utf16Text("ab");
  plain.insert(plain.end(), {'c', 0, 0, 0});
  EXPECT_EQ(Utf16UpToTerminator(plain), std::string_view("a\0b\0", 4));
}

}  // namespace
}  // namespace ovelin
