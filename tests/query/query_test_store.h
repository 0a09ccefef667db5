#pragma once
// Building small stores for the query engine's tests from a plain description.

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "store/file_set_store.h"

namespace ovelin::test {

struct ItemSpec {
  std::string name;
  std::string path;
  std::vector<std::pair<std::string, std::string>> values;  // property, value
};

struct SetSpec {
  std::string name;
  std::vector<std::string> parents;  // the root has none
  std::vector<ItemSpec> items;
  std::vector<std::pair<std::string, std::string>> definitions;  // property, type
};

struct ViewSpec {
  std::string name;
  std::string expression;
};

/// The XML document of the sets (the first is the root; children derived from
/// the parents) and view sets.
std::string BuildLibraryXml(const std::vector<SetSpec>& sets, const std::vector<ViewSpec>& views);

/// A store loaded from BuildLibraryXml; fails the current test when it does not load.
std::unique_ptr<CFileSetStore> MakeStore(const std::vector<SetSpec>& sets, const std::vector<ViewSpec>& views = {});

/// The library most tests share:
///   R ── A (Size NUMBER, Author STRING), B, C, P ── Pc ── Pcc
/// with items shared between A and B, view sets V = "A+B", W = "A",
/// E = "#空集#", Cond = "A Size>5".
std::unique_ptr<CFileSetStore> MakeSampleStore(const std::vector<ViewSpec>& extraViews = {});

/// The paths of a result, in result order.
std::vector<std::string> Paths(const ItemList& items);

}  // namespace ovelin::test
