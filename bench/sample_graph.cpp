#include "bench/sample_graph.h"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "store/file_set_store.h"

namespace ovelin {
namespace {

constexpr double kLevelGrowth = 2.5;
constexpr double kTwoParentShare = 0.10;

const std::vector<std::string> kSetWords = {"Work",  "Projects", "照片",     "Reisen",   "Finance",  "Family",
                                            "音乐",  "Archive",  "Été",      "Research", "Invoices", "Школа",
                                            "Notes", "Recipes",  "Software", "文档"};

const std::vector<std::string> kPropertyWords = {"Year",  "Author", "年份", "Ort",     "Status",
                                                 "Größe", "Client", "评分", "Version", "Topic"};

// Sizes of the levels below the root: at least one set each while there are
// sets enough, the rest shared out by weights growing level by level.
std::vector<int> LevelSizes(int count) {
  const int depth = std::min(count, kSampleDepth);
  std::vector<int> sizes(static_cast<size_t>(depth), 1);
  if (depth == 0) return sizes;
  std::vector<double> weights;
  double total = 0;
  for (int level = 0; level < depth; ++level) {
    weights.push_back(std::pow(kLevelGrowth, level));
    total += weights.back();
  }
  const int spare = count - depth;
  int given = depth;
  for (int level = 0; level < depth; ++level) {
    const int share = static_cast<int>(spare * weights[static_cast<size_t>(level)] / total);
    sizes[static_cast<size_t>(level)] += share;
    given += share;
  }
  sizes.back() += count - given;
  return sizes;
}

// How many properties a set defines itself: mostly none, at most three.
int OwnDefinitionCount(SampleRandom& random) {
  const uint64_t roll = random.Below(100);
  if (roll < 60) return 0;
  if (roll < 80) return 1;
  if (roll < 92) return 2;
  return 3;
}

void AddDefinitions(SampleGraph& graph, int setIndex, int count, SampleRandom& random) {
  SampleSet& set = graph.sets[static_cast<size_t>(setIndex)];
  for (int i = 0; i < count; ++i) {
    // The set's index in the name keeps definitions of different sets apart, so
    // two parents never bring one name with two types.
    SampleDefinition definition;
    definition.name = random.Pick(kPropertyWords) + "_" + std::to_string(setIndex) + "_" + std::to_string(i);
    definition.number = random.Chance(0.5);
    set.ownDefinitions.push_back(static_cast<int>(graph.definitions.size()));
    graph.definitions.push_back(std::move(definition));
  }
}

void ComputeDefinitionsInForce(SampleGraph& graph, int setIndex) {
  SampleSet& set = graph.sets[static_cast<size_t>(setIndex)];
  std::vector<int> inForce = set.ownDefinitions;
  for (int parent : set.parents) {
    const auto& inherited = graph.sets[static_cast<size_t>(parent)].definitionsInForce;
    inForce.insert(inForce.end(), inherited.begin(), inherited.end());
  }
  std::sort(inForce.begin(), inForce.end());
  inForce.erase(std::unique(inForce.begin(), inForce.end()), inForce.end());
  set.definitionsInForce = std::move(inForce);
}

// A second parent from any level between the first and the set's own, other
// than the first parent.
int PickSecondParent(const std::vector<int>& levelStart, int level, int firstParent, SampleRandom& random) {
  const int from = levelStart[1];
  const int to = levelStart[static_cast<size_t>(level)];
  if (to - from < 2) return -1;
  int parent = from + random.Index(static_cast<size_t>(to - from - 1));
  if (parent >= firstParent) ++parent;
  return parent;
}

void AddRootSet(SampleGraph& graph, SampleRandom& random) {
  SampleSet root;
  root.name = std::string(kStarterRootName);
  root.folder = kSampleRootFolder;
  graph.sets.push_back(std::move(root));
  AddDefinitions(graph, 0, 1, random);
  ComputeDefinitionsInForce(graph, 0);
}

}  // namespace

SampleGraph BuildSampleGraph(int count, SampleRandom& random) {
  SampleGraph graph;
  AddRootSet(graph, random);
  const std::vector<int> sizes = LevelSizes(count);
  const int belowFirstLevel = count - (sizes.empty() ? 0 : sizes.front());
  const double secondParentChance =
      belowFirstLevel > 0 ? std::min(1.0, kTwoParentShare * count / belowFirstLevel) : 0.0;
  std::vector<int> levelStart = {0, 1};  // index of the first set of each level
  for (size_t l = 0; l < sizes.size(); ++l) {
    const int level = static_cast<int>(l) + 1;
    for (int i = 0; i < sizes[l]; ++i) {
      const int index = static_cast<int>(graph.sets.size());
      const int above = levelStart[static_cast<size_t>(level - 1)];
      const int firstParent = above + random.Index(static_cast<size_t>(levelStart[static_cast<size_t>(level)] - above));
      SampleSet set;
      set.name = random.Pick(kSetWords) + "_" + std::to_string(index);
      set.level = level;
      set.parents.push_back(firstParent);
      if (level >= 2 && random.Chance(secondParentChance)) {
        const int second = PickSecondParent(levelStart, level, firstParent, random);
        if (second >= 0) set.parents.push_back(second);
      }
      set.folder = graph.sets[static_cast<size_t>(firstParent)].folder + "/" + set.name;
      for (int parent : set.parents) graph.sets[static_cast<size_t>(parent)].children.push_back(index);
      graph.sets.push_back(std::move(set));
      AddDefinitions(graph, index, OwnDefinitionCount(random), random);
      ComputeDefinitionsInForce(graph, index);
    }
    levelStart.push_back(static_cast<int>(graph.sets.size()));
  }
  return graph;
}

}  // namespace ovelin
