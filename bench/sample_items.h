#pragma once
// The file items of a sample library and the sets they are filed in.

#include <string>
#include <vector>

#include "bench/sample_graph.h"
#include "bench/sample_random.h"

namespace ovelin {

struct SampleItem {
  std::string name;
  std::string path;  // a file URL below the first set's folder
  std::string description;
  int firstSet = 0;
  int secondSet = -1;  // -1 when the item is in one set only
};

/// `count` items with unique paths and varied names (spaces, non-ASCII letters,
/// XML special characters), spread evenly over the sets below the root, a few in
/// the root set itself, about one in twenty in a second set as well.
std::vector<SampleItem> BuildSampleItems(const SampleGraph& graph, int count, SampleRandom& random);

}  // namespace ovelin
