#pragma once
// The progress protocol of the archiving and deleting engines. The desktop program
// implements it with its progress dialog, the command line with plain output.
// An engine given no progress object reports nothing and takes every error as Ignore.

#include <cstddef>
#include <string>

#include "filing/pigeonhole_item.h"

namespace ovelin {

/// The answer to a reported error.
enum class ErrorChoice { Abort, Retry, Ignore };

class IFilingProgress {
 public:
  virtual ~IFilingProgress() = default;
  /// A run of `count` items begins; sent only when count is at least 1.
  virtual void Start(size_t count) = 0;
  /// The engine starts on this item (for deletion only `Name` and `Url` are filled).
  virtual void Item(const ITEM_PIGEONHOLE_STRUCT& record) = 0;
  /// An item failed; the text names the failure and the item's URL.
  virtual ErrorChoice Error(const std::string& message) = 0;
  /// The run is over (also after an Abort); sent before the data file is saved.
  virtual void Finish() = 0;
};

}  // namespace ovelin
