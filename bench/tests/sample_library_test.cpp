// The sample library: deterministic, well-formed for the store, and shaped as
// the benchmark needs (levels, second parents, values for every property in force).

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <ostream>
#include <set>
#include <string>

#include "bench/sample_library.h"
#include "store/data_file.h"
#include "store/file_set_store.h"
#include "support/test_support.h"

namespace ovelin {
namespace {

SampleLibraryOptions Small(int sets, int items, uint64_t seed = 7) {
  SampleLibraryOptions options;
  options.sets = sets;
  options.items = items;
  options.seed = seed;
  return options;
}

// Longest distance from the root over parent links; fails the test on a cycle.
std::map<std::string, int> LevelsByTopologicalOrder(const CFileSetStore& store) {
  std::map<std::string, int> pendingParents;
  for (const auto& name : store.GetFileSetNames())
    pendingParents[name] = static_cast<int>(store.GetParents(name).size());
  std::map<std::string, int> level;
  std::vector<std::string> ready = {store.GetRootName()};
  level[store.GetRootName()] = 0;
  while (!ready.empty()) {
    const std::string set = ready.back();
    ready.pop_back();
    for (const auto& child : store.GetChilds(set)) {
      level[child] = std::max(level[child], level[set] + 1);
      if (--pendingParents[child] == 0) ready.push_back(child);
    }
  }
  EXPECT_EQ(level.size(), pendingParents.size()) << "some set is unreachable or on a cycle";
  return level;
}

TEST(SampleLibrary, SameSeedSameTextOtherSeedOtherText) {
  const SampleLibrary a = GenerateSampleLibrary(Small(40, 500, 3));
  const SampleLibrary b = GenerateSampleLibrary(Small(40, 500, 3));
  const SampleLibrary c = GenerateSampleLibrary(Small(40, 500, 4));
  EXPECT_EQ(a.xml, b.xml);
  EXPECT_NE(a.xml, c.xml);
}

class SampleLibraryShape : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    library_ = new SampleLibrary(GenerateSampleLibrary(Small(200, 4000)));
    store_ = new CFileSetStore();
    ASSERT_TRUE(store_->LoadXml(library_->xml));
  }
  static void TearDownTestSuite() {
    delete store_;
    delete library_;
  }
  static SampleLibrary* library_;
  static CFileSetStore* store_;
};

SampleLibrary* SampleLibraryShape::library_ = nullptr;
CFileSetStore* SampleLibraryShape::store_ = nullptr;

TEST_F(SampleLibraryShape, DocumentHeadAndConfigurationAreTheDefaults) {
  EXPECT_EQ(store_->GetVersion(), "1.50");
  EXPECT_EQ(store_->GetRootName(), kStarterRootName);
  EXPECT_TRUE(store_->GetViewSetNames().empty());
  EXPECT_EQ(store_->GetConfigValue("KeywordsSearch", "SearchFileContent"), "true");
  EXPECT_EQ(store_->GetConfigValue("KeywordsSearch", "UpLowSensitive"), "false");
  EXPECT_EQ(store_->GetConfigValue("KeywordsSearch", "SearchBelongSet"), "true");
  EXPECT_EQ(store_->GetConfigValue("Pigeonhole", "DragDropPigAutoBelong"), "true");
  const StorePath rootPath = store_->GetStorePath(store_->GetRootName());
  EXPECT_EQ(rootPath.kind, StorePathKind::UsrDef);
  EXPECT_EQ(rootPath.text, "/home/user/Documents");
}

TEST_F(SampleLibraryShape, GraphHasSixLevelsLinksBothWaysAndNoCycle) {
  const NameList names = store_->GetFileSetNames();
  ASSERT_EQ(names.size(), 201u);
  int twoParents = 0;
  for (const auto& name : names) {
    const NameList parents = store_->GetParents(name);
    if (name != store_->GetRootName()) {
      EXPECT_GE(parents.size(), 1u) << name;
      EXPECT_LE(parents.size(), 2u) << name;
    }
    twoParents += parents.size() == 2;
    for (const auto& parent : parents) EXPECT_TRUE(ContainsName(store_->GetChilds(parent), name)) << name;
    for (const auto& child : store_->GetChilds(name)) EXPECT_TRUE(ContainsName(store_->GetParents(child), name));
    // Each set extends its first parent's folder.
    if (!parents.empty()) {
      EXPECT_EQ(store_->GetStorePath(name).kind, StorePathKind::ExParent) << name;
    }
  }
  EXPECT_EQ(twoParents, library_->summary.setsWithTwoParents);
  EXPECT_GE(twoParents, 8);  // about one set in ten
  EXPECT_LE(twoParents, 35);
  const auto levels = LevelsByTopologicalOrder(*store_);
  int deepest = 0;
  for (const auto& [name, level] : levels) deepest = std::max(deepest, level);
  EXPECT_EQ(deepest, 6);
  EXPECT_EQ(library_->summary.depth, 6);
}

TEST_F(SampleLibraryShape, ItemsHaveUniquePathsVariedNamesAndSomeTwoSets) {
  const std::optional<ItemList> all = store_->ReadSetTreeItems(store_->GetRootName());
  ASSERT_TRUE(all);
  EXPECT_EQ(all->size(), 4000u);
  int escapedSpaces = 0, nonAscii = 0, twoSets = 0;
  for (const CFileItem& item : *all) {
    EXPECT_EQ(item.GetPath().rfind("file:///home/user/Documents/", 0), 0u) << item.GetPath();
    EXPECT_EQ(item.GetPath().find(' '), std::string::npos) << item.GetPath();
    escapedSpaces += item.GetPath().find("%20") != std::string::npos;
    nonAscii += std::any_of(item.GetName().begin(), item.GetName().end(), [](char c) { return c & 0x80; });
    twoSets += item.GetOwningSets().size() == 2;
    EXPECT_LE(item.GetOwningSets().size(), 2u);
  }
  EXPECT_GT(escapedSpaces, 400);
  EXPECT_GT(nonAscii, 400);
  EXPECT_EQ(twoSets, library_->summary.itemsInTwoSets);
  EXPECT_GT(twoSets, 100);  // about one in twenty
}

TEST_F(SampleLibraryShape, EveryItemHasAValueForEachPropertyInForceAndNoOther) {
  size_t values = 0;
  for (const auto& name : store_->GetFileSetNames()) {
    const pugi::xml_node own = store_->FindFileSet(name).child("ItemPropertys");
    EXPECT_LE(std::distance(own.begin(), own.end()), 3) << name;
    std::set<std::string> inForce;
    for (const auto& definition : store_->GetDefinitions(name)) {
      EXPECT_TRUE(definition.type == "NUMBER" || definition.type == "STRING");
      inForce.insert(definition.name);
    }
    for (const CFileItem& item : store_->ReadSetItems(name)) {
      std::set<std::string> carried;
      for (const auto& entry : item.GetPropertyValues()) carried.insert(entry.substr(0, entry.find(';')));
      EXPECT_EQ(carried, inForce) << name << " " << item.GetPath();
      values += item.GetPropertyValues().size();
    }
  }
  EXPECT_EQ(values, library_->summary.propertyValues);
}

struct TinyCase {
  int sets;
  int items;
  int depth;
};

void PrintTo(const TinyCase& c, std::ostream* out) { *out << c.sets << " sets, " << c.items << " items"; }

class TinySampleLibrary : public ::testing::TestWithParam<TinyCase> {};

TEST_P(TinySampleLibrary, LoadsWithAllItemsUnderTheRoot) {
  const TinyCase c = GetParam();
  const SampleLibrary library = GenerateSampleLibrary(Small(c.sets, c.items));
  CFileSetStore store;
  ASSERT_TRUE(store.LoadXml(library.xml));
  EXPECT_EQ(store.GetFileSetNames().size(), static_cast<size_t>(c.sets + 1));
  EXPECT_EQ(library.summary.depth, c.depth);
  const auto all = store.ReadSetTreeItems(store.GetRootName());
  ASSERT_TRUE(all);
  EXPECT_EQ(all->size(), static_cast<size_t>(c.items));
  EXPECT_EQ(store.GetRootItems().size(), static_cast<size_t>(c.items));
}

INSTANTIATE_TEST_SUITE_P(Sizes, TinySampleLibrary,
                         ::testing::Values(TinyCase{0, 0, 0}, TinyCase{0, 25, 0}, TinyCase{1, 25, 1},
                                           TinyCase{2, 25, 2}, TinyCase{6, 50, 6}, TinyCase{9, 50, 6}));

TEST(SampleLibraryFile, IsEncipheredAndLoadsBack) {
  test::TempDir dir;
  const std::string path = dir / "AllSets.db";
  const auto summary = WriteSampleLibrary(Small(30, 300), path);
  ASSERT_TRUE(summary);
  const auto bytes = ReadWholeFile(path);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->size() % 8, 0u);
  const std::string raw(bytes->begin(), bytes->end());
  EXPECT_EQ(raw.find("AllSets"), std::string::npos);
  EXPECT_EQ(raw.find(std::string("A\0l\0l\0S\0e\0t\0s", 13)), std::string::npos);
  CFileSetStore store;
  ASSERT_TRUE(store.Load(path));
  EXPECT_EQ(store.GetRootItems().size(), 300u);
}

}  // namespace
}  // namespace ovelin
