#pragma once
// ITEM_PIGEONHOLE_STRUCT: one archiving request, also the batch element of item deletion.

#include <string>
#include <vector>

namespace ovelin {

struct ITEM_PIGEONHOLE_STRUCT {
  std::string Name;                       // the item name
  std::string Description;                // the item description
  std::string BelongSets;                 // the sets the item is to belong to, ";"-joined
  std::string PigPathSet;                 // the set whose store path is the destination; empty: not moved
  std::string Url;                        // the item's current URL
  std::string BasePath;                   // local path whose last piece is the top folder re-created in the store path
  std::vector<std::string> PropValueAry;  // property values, each "name;value"
};

using PigeonholeBatch = std::vector<ITEM_PIGEONHOLE_STRUCT>;

}  // namespace ovelin
