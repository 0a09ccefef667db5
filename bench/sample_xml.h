#pragma once
// The XML text of a sample library, written directly (no DOM) for speed.

#include <string>
#include <vector>

#include "bench/sample_graph.h"
#include "bench/sample_items.h"
#include "bench/sample_library.h"
#include "bench/sample_random.h"

namespace ovelin {

/// The whole document for the graph and items; property values are drawn from
/// `random`. Counts of what was written go into `summary`.
std::string BuildSampleXml(const SampleGraph& graph, const std::vector<SampleItem>& items, SampleRandom& random,
                           SampleLibrarySummary& summary);

}  // namespace ovelin
