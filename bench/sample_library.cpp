#include "bench/sample_library.h"

#include <algorithm>

#include "bench/sample_graph.h"
#include "bench/sample_items.h"
#include "bench/sample_random.h"
#include "bench/sample_xml.h"
#include "store/file_set_store.h"

namespace ovelin {
namespace {

void CountGraph(const SampleGraph& graph, SampleLibrarySummary& summary) {
  summary.sets = static_cast<int>(graph.sets.size()) - 1;
  summary.definitions = static_cast<int>(graph.definitions.size());
  for (const SampleSet& set : graph.sets) {
    summary.depth = std::max(summary.depth, set.level);
    if (set.parents.size() > 1) ++summary.setsWithTwoParents;
  }
}

void CountItems(const std::vector<SampleItem>& items, SampleLibrarySummary& summary) {
  summary.items = static_cast<int>(items.size());
  for (const SampleItem& item : items) {
    if (item.secondSet >= 0) ++summary.itemsInTwoSets;
  }
}

}  // namespace

SampleLibrary GenerateSampleLibrary(const SampleLibraryOptions& options) {
  // Separate streams for the graph, the items and the values, so that a change
  // in one part leaves the others as they were.
  SampleRandom seeds(options.seed);
  SampleRandom graphRandom = seeds.Fork();
  SampleRandom itemRandom = seeds.Fork();
  SampleRandom valueRandom = seeds.Fork();
  SampleLibrary library;
  const SampleGraph graph = BuildSampleGraph(std::max(0, options.sets), graphRandom);
  const std::vector<SampleItem> items = BuildSampleItems(graph, std::max(0, options.items), itemRandom);
  CountGraph(graph, library.summary);
  CountItems(items, library.summary);
  library.xml = BuildSampleXml(graph, items, valueRandom, library.summary);
  return library;
}

std::optional<SampleLibrarySummary> WriteSampleLibrary(const SampleLibraryOptions& options, const std::string& path) {
  SampleLibrarySummary summary;
  CFileSetStore store;
  {
    SampleLibrary library = GenerateSampleLibrary(options);
    if (!store.LoadXml(library.xml)) return std::nullopt;
    summary = library.summary;
  }
  if (!store.SaveTo(path)) return std::nullopt;
  return summary;
}

}  // namespace ovelin
