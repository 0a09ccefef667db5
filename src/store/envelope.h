#pragma once
// The cipher envelope of the data file and of template files: SHA-1 of the key
// material, the derived three-key Triple-DES key, CBC with a zero IV and PKCS#5 padding.

#include <optional>
#include <string_view>
#include <vector>

namespace ovelin {

using Bytes = std::vector<unsigned char>;

/// Enciphers `plain` with the key derived from `keyMaterial`; nothing on failure.
std::optional<Bytes> Encipher(const Bytes& keyMaterial, const Bytes& plain);

/// Deciphers `cipher` with the key derived from `keyMaterial`; nothing when the
/// service fails (wrong key or damaged text usually fail the padding check).
std::optional<Bytes> Decipher(const Bytes& cipher, const Bytes& keyMaterial);

/// Hexadecimal digits in pairs to bytes; odd length or a bad pair yields no bytes.
Bytes HexToBytes(std::string_view hex);

/// Key material of the data file: the machine identifier, then the data-file key.
Bytes DataFileKeyMaterial(const Bytes& machineId);

/// Key material of templates and the built-in starter document: the portable key alone.
Bytes PortableKeyMaterial();

/// Plain bytes of the envelope for an XML text given as UTF-16LE code units:
/// the code units followed by one 16-bit zero.
Bytes TerminatedUtf16(Bytes utf16le);

/// The UTF-16LE text of deciphered plain bytes: everything before the first zero code unit.
std::string_view Utf16UpToTerminator(const Bytes& plain);

}  // namespace ovelin
