#pragma once
// Telling the user which saved queries a removal leaves broken.

#include <string>

#include "store/file_set_store.h"

namespace ovelin::cli {

/// Names on stderr the view sets whose expressions still name `name`; nothing
/// when there are none.
void WarnAboutReferences(const CFileSetStore& store, const std::string& name);

}  // namespace ovelin::cli
