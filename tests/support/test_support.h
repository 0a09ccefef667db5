#pragma once
// Helpers shared by every test executable: temporary folders, files and child processes.

#include <string>
#include <utility>
#include <vector>

namespace ovelin::test {

/// A fresh folder under $TMPDIR (or /tmp), removed with everything in it on destruction.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();
  const std::string& path() const { return path_; }
  /// path() + "/" + name
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

struct CommandResult {
  int exitCode = -1;  // exit status, or 128 + signal number
  std::string out;
  std::string err;
};

/// Runs argv[0] (searched on PATH) with the arguments, feeding `input` on stdin;
/// `env` entries ("NAME=value") are added to (or replace in) the environment.
CommandResult RunCommand(const std::vector<std::string>& argv, const std::string& input = {},
                         const std::vector<std::string>& env = {});

std::string ReadTextFile(const std::string& path);
void WriteTextFile(const std::string& path, const std::string& text);

/// Every entry below `folder` with its mode, size and modification time, sorted:
/// two equal listings mean nothing on the disk changed.
std::vector<std::string> DiskListing(const std::string& folder);

}  // namespace ovelin::test
