#pragma once
// Templates: the structure of the set graph (sets, parent links, store paths,
// property definitions, notes; no items, no view sets) in a file that any
// installation can read, and merging such a file into the current graph.

#include <string>

#include "base/check_result.h"
#include "store/file_set_store.h"

namespace ovelin {

/// Writes the template of the set `setName` (the root set when empty) to `path`:
/// a copy of the document keeping that set, its descendants and its ancestors with
/// their items removed, and without view sets, enciphered with the portable key.
/// The file is replaced atomically. Fails, saying why, for an unknown set or when
/// the file cannot be written; the store is never changed.
CheckResult ExportTemplate(const CFileSetStore& store, const std::string& path, const std::string& setName);

/// Merges the template at `path` under the current root set: each set of the
/// template's tree is linked under its parent when a set of its name exists (and
/// takes the template's own definitions beside its own), created when the name is
/// free, and skipped with its subtree when a view set has the name. Then saves.
/// A missing, damaged or foreign-key file, or one that is no set document, fails
/// with the store unchanged; a failed save fails with the merge kept in memory.
/// The result says which of these happened.
CheckResult ImportTemplate(CFileSetStore& store, const std::string& path);

}  // namespace ovelin
