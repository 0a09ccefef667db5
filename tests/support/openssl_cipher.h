#pragma once
// The cipher envelope computed by the openssl command-line program: an
// implementation independent of the code under test.

#include <string>

#include "store/envelope.h"
#include "support/test_support.h"

namespace ovelin::test {

/// Lower-case hexadecimal digits of the bytes.
std::string ToHex(const Bytes& bytes);

/// ASCII text as UTF-16LE code units (no terminator).
Bytes AsciiUtf16(const std::string& ascii);

/// The 24-byte Triple-DES key of the key material, derived with openssl's SHA-1.
std::string OpensslKeyHex(const TempDir& dir, const Bytes& keyMaterial);

/// Enciphers or deciphers with `openssl enc -des-ede3-cbc`, zero IV, PKCS#5 padding.
Bytes OpensslTripleDes(const TempDir& dir, const Bytes& keyMaterial, const Bytes& input, bool encipher);

}  // namespace ovelin::test
