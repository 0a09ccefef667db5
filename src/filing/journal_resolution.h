#pragma once
// Resolving the archiving journals that a run left behind: a file that a batch
// moved but whose record never reached the data file goes back where it came from.

#include <string>
#include <vector>

#include "filing/filing_environment.h"
#include "store/file_set_store.h"

namespace ovelin {

struct LeftoverMove {
  std::string path;  // where the file was found
  std::string back;  // where it went back to; empty when it could not be moved
};

struct JournalResolution {
  std::vector<LeftoverMove> moves;  // the files found unrecorded, in journal order
};

/// Resolves every journal in the data folder of `store` (the folder of its data
/// file), which must be loaded and locked by the caller: each file that a
/// journal's batch moved and that the library has no record of goes back to its
/// old place, under a time-stamped name when that is taken (nothing is ever
/// replaced). A journal is removed once nothing of it is left to do; one with a
/// file that could not go back stays for the next start.
JournalResolution ResolveArchiveJournals(const CFileSetStore& store, const FilingEnvironment& environment = {});

}  // namespace ovelin
