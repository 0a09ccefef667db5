#pragma once
// The move step of archiving, with its automatic remedies and the user's choice.

#include <string>

#include "filing/filing_environment.h"
#include "filing/filing_progress.h"

namespace ovelin {

/// How many automatic remedies (a created folder chain, a new time-stamped name)
/// one move may use before it counts as failed.
inline constexpr int kMaxMoveRemedies = 16;

struct MoveIntoStoreResult {
  std::string finalPath;  // where the file is now
  bool failed = false;    // the move failed and was ignored: finalPath is the source
  bool aborted = false;   // the user chose Abort: the batch stops
};

/// Moves `source` to `destination`. A missing folder is created and the move
/// tried again; a taken name is replaced by a time-stamped one and the move tried
/// again; any other failure (or too many remedies) is reported with the item's
/// `url`, and answered by Retry, Abort or Ignore (the answer without `progress`).
MoveIntoStoreResult MoveIntoStore(const std::string& source, const std::string& destination, const std::string& url,
                                  IFilingProgress* progress, const FilingEnvironment& environment);

}  // namespace ovelin
