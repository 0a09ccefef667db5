// ReadSetTreeItems of the root set against a single pass over the document.

#include <optional>
#include <vector>

#include "bench/floor_operations.h"
#include "bench/measurements.h"
#include "bench/stopwatch.h"

namespace ovelin {

BenchRow MeasureSetTreeRead(BenchContext& context) {
  BenchRow row = NewRow("ReadSetTreeItems(root)", "one pass over File elements + sort + merge");
  CFileSetStore* store = context.LoadedStore();
  const pugi::xml_document* doc = context.FloorDocument();
  if (!store || !doc) {
    row.note = "the data file cannot be loaded";
    return row;
  }
  const std::string root = store->GetRootName();
  std::vector<double> values;
  std::vector<double> floors;
  size_t count = 0;
  size_t floorCount = 0;
  for (int i = 0; i < context.options.repeat; ++i) {
    {
      Stopwatch watch;
      const ItemList all = FloorReadAllItems(*doc);
      floors.push_back(watch.ElapsedMs());
      floorCount = all.size();
    }
    Stopwatch watch;
    const std::optional<ItemList> items = store->ReadSetTreeItems(root);
    values.push_back(watch.ElapsedMs());
    if (!items) {
      row.note = "no entity set is named " + root;
      return row;
    }
    count = items->size();
  }
  row.value = Median(values);
  row.floor = Median(floors);
  row.note = std::to_string(count) + " items";
  if (count != floorCount) row.note += " (the floor found " + std::to_string(floorCount) + ")";
  return row;
}

}  // namespace ovelin
