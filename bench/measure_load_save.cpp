// Load and save of the data file against their floors. Store and floor runs
// alternate so that a slow moment on a shared machine hits both alike.

#include <optional>
#include <vector>

#include "bench/floor_operations.h"
#include "bench/measurements.h"
#include "bench/stopwatch.h"

namespace ovelin {
namespace {

std::optional<double> TimeFloorLoad(const BenchContext& context) {
  pugi::xml_document doc;  // released after the clock stops
  Stopwatch watch;
  if (!FloorLoad(context.dataFile, context.keyMaterial, doc)) return std::nullopt;
  return watch.ElapsedMs();
}

// A fresh store each time; the previous one is released before the clock starts.
std::optional<double> TimeStoreLoad(BenchContext& context) {
  context.store.reset();
  auto store = std::make_unique<CFileSetStore>();
  Stopwatch watch;
  const bool loaded = store->Load(context.dataFile);
  const double ms = watch.ElapsedMs();
  if (!loaded) return std::nullopt;
  context.store = std::move(store);
  return ms;
}

}  // namespace

BenchRow MeasureLoad(BenchContext& context) {
  BenchRow row = NewRow("Load", "read + Decipher + pugixml parse");
  std::vector<double> values;
  std::vector<double> floors;
  for (int i = 0; i < context.options.repeat; ++i) {
    const auto floor = TimeFloorLoad(context);
    if (!floor) return FailedRow(row, "the floor cannot read the data file");
    floors.push_back(*floor);
    const auto value = TimeStoreLoad(context);
    if (!value) return FailedRow(row, "CFileSetStore::Load failed");
    values.push_back(*value);
  }
  row.value = Median(values);
  row.floor = Median(floors);
  row.note = std::to_string(context.store->GetRootItems().size()) + " items in the root item list";
  return row;
}

BenchRow MeasureSave(BenchContext& context) {
  BenchRow row = NewRow("Save", "pugixml UTF-16LE + Encipher + write");
  CFileSetStore* store = context.LoadedStore();
  const pugi::xml_document* doc = context.FloorDocument();
  if (!store || !doc) return FailedRow(row, "the data file cannot be loaded");
  const std::string floorFile = context.PathOf("floor-save.db");
  std::vector<double> values;
  std::vector<double> floors;
  for (int i = 0; i < context.options.repeat; ++i) {
    Stopwatch floorWatch;
    if (!FloorSave(*doc, context.keyMaterial, floorFile)) return FailedRow(row, "the floor cannot write its file");
    floors.push_back(floorWatch.ElapsedMs());
    Stopwatch watch;
    if (!store->Save()) return FailedRow(row, "CFileSetStore::Save failed");
    values.push_back(watch.ElapsedMs());
  }
  row.value = Median(values);
  row.floor = Median(floors);
  row.note = "Save also fsyncs and renames";
  return row;
}

}  // namespace ovelin
