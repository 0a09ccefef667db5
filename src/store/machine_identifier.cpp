#include "store/machine_identifier.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>

namespace ovelin {
namespace {

namespace fs = std::filesystem;

std::string ReadFirstLine(const fs::path& path) {
  std::ifstream in(path);
  std::string line;
  std::getline(in, line);
  return line;
}

// "aa:bb:cc:dd:ee:ff" -> 6 bytes; empty for anything else or all zeros.
Bytes ParseHardwareAddress(const std::string& text) {
  std::string hex;
  for (char c : text) {
    if (c != ':') hex.push_back(c);
  }
  Bytes bytes = HexToBytes(hex);
  if (bytes.size() != 6) return {};
  if (std::all_of(bytes.begin(), bytes.end(), [](unsigned char b) { return b == 0; })) return {};
  return bytes;
}

struct Interface {
  bool physical;
  long index;
  Bytes address;
};

Bytes FirstInterfaceAddress() {
  std::vector<Interface> candidates;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator("/sys/class/net", ec)) {
    const fs::path dir = entry.path();
    if (dir.filename() == "lo") continue;
    if (ReadFirstLine(dir / "type") == "772") continue;  // ARPHRD_LOOPBACK
    Bytes address = ParseHardwareAddress(ReadFirstLine(dir / "address"));
    if (address.empty()) continue;
    const long index = std::strtol(ReadFirstLine(dir / "ifindex").c_str(), nullptr, 10);
    candidates.push_back({fs::exists(dir / "device"), index, std::move(address)});
  }
  if (candidates.empty()) return {};
  auto order = [](const Interface& a, const Interface& b) {
    return std::make_tuple(!a.physical, a.index) < std::make_tuple(!b.physical, b.index);
  };
  return std::min_element(candidates.begin(), candidates.end(), order)->address;
}

}  // namespace

Bytes GetMachineIdentifier() {
  if (const char* overridden = std::getenv("OVELIN_MACHINE_ID"); overridden && *overridden) {
    return HexToBytes(overridden);
  }
  if (Bytes address = FirstInterfaceAddress(); !address.empty()) return address;
  Bytes machineId = HexToBytes(ReadFirstLine("/etc/machine-id"));
  if (machineId.size() == 16) return machineId;
  return {};
}

}  // namespace ovelin
