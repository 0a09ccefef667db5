#include "support/openssl_cipher.h"

#include <gtest/gtest.h>

namespace ovelin::test {
namespace {

void WriteBytes(const std::string& path, const Bytes& bytes) {
  WriteTextFile(path, std::string(bytes.begin(), bytes.end()));
}

Bytes ReadBytes(const std::string& path) {
  const std::string text = ReadTextFile(path);
  return Bytes(text.begin(), text.end());
}

Bytes OpensslSha1(const TempDir& dir, const Bytes& data) {
  WriteBytes(dir / "sha-in", data);
  const auto result = RunCommand({"openssl", "dgst", "-sha1", "-binary", "-out", dir / "sha-out", dir / "sha-in"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  return ReadBytes(dir / "sha-out");
}

}  // namespace

std::string ToHex(const Bytes& bytes) {
  static const char* digits = "0123456789abcdef";
  std::string hex;
  for (unsigned char b : bytes) {
    hex.push_back(digits[b >> 4]);
    hex.push_back(digits[b & 15]);
  }
  return hex;
}

Bytes AsciiUtf16(const std::string& ascii) {
  Bytes bytes;
  for (char c : ascii) {
    bytes.push_back(static_cast<unsigned char>(c));
    bytes.push_back(0);
  }
  return bytes;
}

std::string OpensslKeyHex(const TempDir& dir, const Bytes& keyMaterial) {
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
  WriteBytes(dir / "openssl-in", input);
  std::vector<std::string> argv = {"openssl",
                                   "enc",
                                   "-des-ede3-cbc",
                                   "-K",
                                   OpensslKeyHex(dir, keyMaterial),
                                   "-iv",
                                   "0000000000000000",
                                   "-in",
                                   dir / "openssl-in",
                                   "-out",
                                   dir / "openssl-out"};
  if (!encipher) argv.push_back("-d");
  const auto result = RunCommand(argv);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  return ReadBytes(dir / "openssl-out");
}

}  // namespace ovelin::test
