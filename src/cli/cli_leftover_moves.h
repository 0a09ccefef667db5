#pragma once
// Files that an archiving run moved but never recorded (it died or could not
// save): found from its journal at the next change and moved back.

#include "store/file_set_store.h"

namespace ovelin::cli {

/// Resolves the journals left in the data folder of the loaded, locked `store`
/// (ResolveArchiveJournals) and tells on stderr what became of each file.
void ResolveLeftoverMoves(const CFileSetStore& store);

}  // namespace ovelin::cli
