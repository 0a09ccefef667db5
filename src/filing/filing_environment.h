#pragma once
// What the filing engines take from the outside world: the rename and trash
// primitives and the clock. Tests replace them to fake file-system errors and fix
// the time.

#include <chrono>
#include <functional>

#include "filing/file_move.h"
#include "store/trash.h"

namespace ovelin {

struct FilingEnvironment {
  /// Renames without replacing; 0 or the errno value.
  RenameFunction rename = RenameNoReplace;
  /// The current time; collision names carry it in UTC.
  std::function<std::chrono::system_clock::time_point()> now = [] { return std::chrono::system_clock::now(); };
  /// Moves a local file to the user's Trash.
  std::function<RemovalResult(const std::string& localPath)> trash = MoveToTrash;
};

}  // namespace ovelin
