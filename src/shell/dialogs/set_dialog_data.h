#pragma once
// What the set dialog shows and gives back.

#include <string>

#include "store/file_set_store.h"

namespace ovelin {

struct SetDialogData {
  std::string name;
  /// UsrDef: `pathText` is a folder; ExParent: `pathText` is the parent whose path is extended.
  StorePathKind kind = StorePathKind::ExParent;
  std::string pathText;
  NameList parents;
  DefinitionList definitions;
  std::string note;
};

}  // namespace ovelin
