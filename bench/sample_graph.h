#pragma once
// The set graph of a sample library: the root set and its descendants in levels,
// with property definitions and the local folders their items live in.

#include <string>
#include <vector>

#include "bench/sample_random.h"

namespace ovelin {

/// Levels of sets below the root set.
inline constexpr int kSampleDepth = 6;

/// The local folder of the root set; every other set's folder lies below it.
inline constexpr const char* kSampleRootFolder = "/home/user/Documents";

struct SampleDefinition {
  std::string name;
  bool number = false;  // "NUMBER", else "STRING"
};

struct SampleSet {
  std::string name;
  int level = 0;             // 0 for the root set
  std::vector<int> parents;  // the first parent first; none for the root set
  std::vector<int> children;
  std::vector<int> ownDefinitions;      // indices into SampleGraph::definitions
  std::vector<int> definitionsInForce;  // own and inherited, sorted, unique
  std::string folder;                   // the first parent's folder plus the set's name
};

struct SampleGraph {
  std::vector<SampleSet> sets;  // the root set first; every parent before its children
  std::vector<SampleDefinition> definitions;
};

/// The root set plus `count` sets in up to six levels, each level about 2.5 times
/// the one above. About one set in ten has a second parent from a shallower level,
/// so the links never form a cycle. Each set defines zero to three properties.
SampleGraph BuildSampleGraph(int count, SampleRandom& random);

}  // namespace ovelin
