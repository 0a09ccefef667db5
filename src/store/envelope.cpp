#include "store/envelope.h"

#include <openssl/evp.h>
#include <openssl/sha.h>

#include <array>
#include <memory>

namespace ovelin {
namespace {

constexpr std::string_view kDataFileKey = "3C5A9E0B7D21F4680E9B2C7A51D3F86E";
constexpr std::string_view kPortableKey = "6E0D4B19A2C7F3580B9E1D26C4A7F03B";
constexpr int kKeyLength = 24;  // three DES keys

using Sha1 = std::array<unsigned char, SHA_DIGEST_LENGTH>;

Sha1 Sha1Of(const unsigned char* data, size_t size) {
  Sha1 digest{};
  SHA1(data, size, digest.data());
  return digest;
}

// The derivation for a key longer than the hash: SHA-1 of the hash XORed into a
// block of 0x36 bytes, then into a block of 0x5C bytes; the key is the first 24
// bytes of the two digests concatenated.
std::array<unsigned char, kKeyLength> DeriveKey(const Bytes& keyMaterial) {
  const Sha1 h = Sha1Of(keyMaterial.data(), keyMaterial.size());
  std::array<unsigned char, 64> inner{};
  std::array<unsigned char, 64> outer{};
  inner.fill(0x36);
  outer.fill(0x5C);
  for (size_t i = 0; i < h.size(); ++i) {
    inner[i] ^= h[i];
    outer[i] ^= h[i];
  }
  const Sha1 first = Sha1Of(inner.data(), inner.size());
  const Sha1 second = Sha1Of(outer.data(), outer.size());
  std::array<unsigned char, kKeyLength> key{};
  for (int i = 0; i < kKeyLength; ++i) {
    key[i] = i < SHA_DIGEST_LENGTH ? first[i] : second[i - SHA_DIGEST_LENGTH];
  }
  return key;
}

struct CipherContextFree {
  void operator()(EVP_CIPHER_CTX* ctx) const { EVP_CIPHER_CTX_free(ctx); }
};

std::optional<Bytes> RunCipher(const Bytes& keyMaterial, const Bytes& input, bool encipher) {
  const auto key = DeriveKey(keyMaterial);
  const unsigned char iv[8] = {};
  std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree> ctx(EVP_CIPHER_CTX_new());
  if (!ctx) return std::nullopt;
  if (EVP_CipherInit_ex(ctx.get(), EVP_des_ede3_cbc(), nullptr, key.data(), iv, encipher ? 1 : 0) != 1) {
    return std::nullopt;
  }
  Bytes output(input.size() + 16);
  int written = 0;
  if (EVP_CipherUpdate(ctx.get(), output.data(), &written, input.data(), static_cast<int>(input.size())) != 1) {
    return std::nullopt;
  }
  int last = 0;
  if (EVP_CipherFinal_ex(ctx.get(), output.data() + written, &last) != 1) return std::nullopt;
  output.resize(static_cast<size_t>(written + last));
  return output;
}

}  // namespace

std::optional<Bytes> Encipher(const Bytes& keyMaterial, const Bytes& plain) {
  return RunCipher(keyMaterial, plain, true);
}

std::optional<Bytes> Decipher(const Bytes& cipher, const Bytes& keyMaterial) {
  if (cipher.empty() || cipher.size() % 8 != 0) return std::nullopt;
  return RunCipher(keyMaterial, cipher, false);
}

Bytes HexToBytes(std::string_view hex) {
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  if (hex.size() % 2 != 0) return {};
  Bytes bytes;
  bytes.reserve(hex.size() / 2);
  for (size_t i = 0; i < hex.size(); i += 2) {
    const int high = digit(hex[i]);
    const int low = digit(hex[i + 1]);
    if (high < 0 || low < 0) return {};
    bytes.push_back(static_cast<unsigned char>(high * 16 + low));
  }
  return bytes;
}

Bytes DataFileKeyMaterial(const Bytes& machineId) {
  Bytes material = machineId;
  const Bytes key = HexToBytes(kDataFileKey);
  material.insert(material.end(), key.begin(), key.end());
  return material;
}

Bytes PortableKeyMaterial() { return HexToBytes(kPortableKey); }

Bytes TerminatedUtf16(Bytes utf16le) {
  utf16le.push_back(0);
  utf16le.push_back(0);
  return utf16le;
}

std::string_view Utf16UpToTerminator(const Bytes& plain) {
  const char* data = reinterpret_cast<const char*>(plain.data());
  size_t units = plain.size() / 2;
  for (size_t i = 0; i < units; ++i) {
    if (plain[2 * i] == 0 && plain[2 * i + 1] == 0) return {data, 2 * i};
  }
  return {data, 2 * units};
}

}  // namespace ovelin
