// The cipher envelope, checked against the openssl command-line program.
#include <gtest/gtest.h>

#include "store/envelope.h"
#include "support/test_support.h"

namespace ovelin {
namespace {

using test::RunCommand;
using test::TempDir;

std::string ToHex(const Bytes& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string hex;
  for (unsigned char b : bytes) {
    hex.push_back(digits[b >> 4]);
    hex.push_back(digits[b & 15]);
  }
  return hex;
}

void WriteBytes(const std::string& path, const Bytes& bytes) {
  test::WriteTextFile(path, std::string(bytes.begin(), bytes.end()));
}

Bytes ReadBytes(const std::string& path) {
  const std::string text = test::ReadTextFile(path);
  return Bytes(text.begin(), text.end());
}

// SHA-1 computed by the openssl program, as raw bytes.
Bytes OpensslSha1(const TempDir& dir, const Bytes& data) {
  WriteBytes(dir / "sha-in", data);
  const auto result = RunCommand({"openssl", "dgst", "-sha1", "-binary", "-out", dir / "sha-out", dir / "sha-in"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  return ReadBytes(dir / "sha-out");
}

// The 24-byte key derived independently of the code under test.
std::string IndependentKeyHex(const TempDir& dir, const Bytes& keyMaterial) {
  const Bytes h = OpensslSha1(dir, keyMaterial);
  Bytes inner(64, 0x36), outer(64, 0x5C);
  for (size_t i = 0; i < h.size(); ++i) {
    inner[i] ^= h[i];
    outer[i] ^= h[i];
  }
  Bytes key = OpensslSha1(dir, inner);
  const Bytes second = OpensslSha1(dir, outer);
  key.insert(key.end(), second.begin(), second.begin() + 4);
  return ToHex(key);
}

Bytes OpensslTripleDes(const TempDir& dir, const Bytes& keyMaterial, const Bytes& input, bool encipher) {
  WriteBytes(dir / "in", input);
  std::vector<std::string> argv = {"openssl", "enc", "-des-ede3-cbc", "-K", IndependentKeyHex(dir, keyMaterial),
                                   "-iv", "0000000000000000", "-in", dir / "in", "-out", dir / "out"};
  if (!encipher) argv.push_back("-d");
  const auto result = RunCommand(argv);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  return ReadBytes(dir / "out");
}

Bytes Utf16Text(const std::string& ascii) {
  Bytes bytes;
  for (char c : ascii) {
    bytes.push_back(static_cast<unsigned char>(c));
    bytes.push_back(0);
  }
  return TerminatedUtf16(bytes);
}

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
