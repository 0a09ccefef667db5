#pragma once
// The environment of a dry run: the filing engines go through every step of a
// real run, while renames and removals only check what the real ones would meet.

#include "filing/filing_environment.h"

namespace ovelin {

/// `base` with dryRun set and with a rename, trash and delete that change nothing
/// on disk. Each checks the disk as the real one would meet it (a taken name, a
/// missing source, a destination below a file, no write permission, a folder
/// that would cross file systems, a folder to remove) and remembers what it would
/// have done, so that later steps of the same run see earlier ones: a name taken by
/// a planned move is taken, a planned source is free. Whether a file system offers
/// a usable trash is not checked; a folder to remove is handed to `base`'s
/// primitive, which refuses folders without touching them. The rename never
/// reports a missing destination folder: the real run creates it.
FilingEnvironment PlanningEnvironment(FilingEnvironment base = {});

}  // namespace ovelin
