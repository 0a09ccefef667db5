// The keyword filter: keyword lists, ranks, the four tests and their flags,
// configuration, content, cancellation.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <stop_token>
#include <thread>

#include "query/expression_evaluator.h"
#include "query/keyword_search.h"
#include "store/file_url.h"
#include "support/test_support.h"

namespace ovelin {
namespace {

constexpr unsigned kNoContent = kKeywordInName | kKeywordInDescription | kKeywordInSetNames;
constexpr unsigned kWithContent = kNoContent | kKeywordInContent;

struct Item {
  std::string name;
  std::string path;
  std::string description;
};

std::string ItemXml(const Item& item) {
  return "<File><Name>" + item.name + "</Name><Path>" + item.path + "</Path><Description>" + item.description +
         "</Description><ItemPropertys/></File>";
}

std::string SetXml(const std::string& name, const std::string& parents, const std::string& childs,
                   const std::vector<Item>& items) {
  std::string xml = "<FileSet><Name>" + name + "</Name><StorePath Type=\"UsrDef\">/srv</StorePath><Elements>";
  for (const auto& item : items) xml += ItemXml(item);
  return xml + "</Elements><Childs>" + childs + "</Childs><Parents>" + parents + "</Parents><ItemPropertys/></FileSet>";
}

// Root ── Travel ── Photos2024
//      ├─ Work (also seen through the view set Favourites)
//      └─ Links
// Items are named after what the tests look for; "beach" and "docs" point to
// real files and a folder in the test's temporary folder.
class KeywordSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteTextFile(tmp_ / "beach notes.txt", "Sunny day, a ZEBRA crossing the sand.\n");
    std::filesystem::create_directories(tmp_ / "docs/inner");
    test::WriteTextFile(tmp_ / "docs/inner/Giraffe List.txt", "tall\n");
    Load("SearchFileContent=\"false\" IncludeAll=\"false\"");
  }

  void Load(const std::string& keywordConfig) {
    const std::string beach = LocalPathToFileUrl(tmp_ / "beach notes.txt");
    const std::string docs = LocalPathToFileUrl(tmp_ / "docs");
    const std::string xml = "<AllSets Version=\"1.50\"><EntitySets RootName=\"Root\">" +
                            SetXml("Root", "", "Links;Travel;Work", {}) + SetXml("Travel", "Root", "Photos2024", {}) +
                            SetXml("Photos2024", "Travel", "", {{"beach", beach, ""}, {"docs", docs, ""}}) +
                            SetXml("Work", "Root", "",
                                   {{"Red Green", "file:///w/1", ""},
                                    {"red", "file:///w/2", ""},
                                    {"Blue", "file:///w/3", "Quarterly NUMBERS, Été"},
                                    {"отчёт", "file:///w/4", ""}}) +
                            SetXml("Links", "Root", "", {{"site", "https://example.org/zebra/page.html", "news"}}) +
                            "</EntitySets><ViewSetRoot><ViewSet Name=\"Favourites\" Expression=\"Work\"/>"
                            "<ViewSet Name=\"BrokenView\" Expression=\"Nope\"/></ViewSetRoot>"
                            "<SysConfig><KeywordsSearch " +
                            keywordConfig + "/></SysConfig></AllSets>";
    ASSERT_TRUE(store_.LoadXml(xml));
  }

  // Item name -> rank of what the filter keeps from the expression's result.
  std::map<std::string, int> Search(const std::string& keywords, unsigned flags,
                                    const std::string& expression = "Root") {
    auto result = EvaluateExpression(store_, expression);
    EXPECT_TRUE(result);
    if (!result) return {};
    EXPECT_TRUE(FilterByKeywords(store_, keywords, result->items, flags));
    std::map<std::string, int> ranks;
    for (const auto& item : result->items) ranks[item.GetName()] = KeywordRankOf(item);
    return ranks;
  }

  test::TempDir tmp_;
  CFileSetStore store_;
};

using Ranks = std::map<std::string, int>;

TEST(SplitKeywords, LowerCasesSplitsAtSpacesAndKeepsRepeats) {
  const std::vector<std::pair<std::string, std::vector<std::string>>> cases = {
      {"  Red  GREEN ", {"red", "green"}},
      {"a a", {"a", "a"}},
      {"ÄRGER Été ОТЧЁТ", {"ärger", "été", "отчёт"}},
      {"\tfoo bar\n", {"foo", "bar"}},
      {"", {}},
      {"    ", {}},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(SplitKeywords(text), expected) << "[" << text << "]";
}

TEST_F(KeywordSearch, RankCountsMatchedKeywordsAndIncludeAllRemovesPartialMatches) {
  EXPECT_EQ(Search("red green", kNoContent), (Ranks{{"Red Green", 2}, {"red", 1}}));
  EXPECT_EQ(Search("red green", kNoContent | kKeywordAllRequired), (Ranks{{"Red Green", 2}}));
  EXPECT_EQ(Search("purple", kNoContent), Ranks{});
}

TEST_F(KeywordSearch, RepeatedKeywordCountsTwiceAndDoubleSpacesAddNothing) {
  EXPECT_EQ(Search("red red", kNoContent | kKeywordAllRequired), (Ranks{{"Red Green", 2}, {"red", 2}}));
  EXPECT_EQ(Search(" green  red", kNoContent), (Ranks{{"Red Green", 2}, {"red", 1}}));  // no empty keyword
}

TEST_F(KeywordSearch, CaseNeverMatters) {
  EXPECT_EQ(Search("rEd", kNoContent), (Ranks{{"Red Green", 1}, {"red", 1}}));
  EXPECT_EQ(Search("ОТЧЁТ", kNoContent), (Ranks{{"отчёт", 1}}));
  EXPECT_EQ(Search("numbers ÉTÉ", kNoContent | kKeywordAllRequired), (Ranks{{"Blue", 2}}));  // description
}

TEST_F(KeywordSearch, SetNamesOwnAncestorAndViewSetsMatch) {
  const Ranks photos = {{"beach", 1}, {"docs", 1}};
  EXPECT_EQ(Search("photos", kNoContent), photos);  // the set holding the items
  EXPECT_EQ(Search("TRAVEL", kNoContent), photos);  // a set above it
  EXPECT_EQ(Search("2024", kNoContent), photos);
  const Ranks work = {{"Red Green", 1}, {"red", 1}, {"Blue", 1}, {"отчёт", 1}};
  EXPECT_EQ(Search("favour", kNoContent), work);  // a view set whose result holds them
  EXPECT_EQ(Search("work", kNoContent), work);
  EXPECT_EQ(Search("oot", kNoContent).size(), 7u);       // the root set holds every item
  EXPECT_EQ(Search("brokenview", kNoContent), Ranks{});  // a failing view set contributes nothing
  EXPECT_EQ(Search("travel", kKeywordInName | kKeywordInDescription), Ranks{});  // set names not asked for
  // The result of another expression is matched by the sets that hold its items.
  EXPECT_EQ(Search("favour red", kNoContent | kKeywordAllRequired, "Favourites"),
            (Ranks{{"Red Green", 2}, {"red", 2}}));
}

TEST_F(KeywordSearch, EachFlagEnablesItsOwnTest) {
  struct Case {
    unsigned flags;
    Ranks expected;
  };
  // "news" is the web item's description; "site" its name; "links" its set.
  const std::vector<Case> cases = {
      {kKeywordInName, {{"site", 1}}}, {kKeywordInDescription, {{"site", 1}}},     {kKeywordInSetNames, {{"site", 1}}},
      {kNoContent, {{"site", 3}}},     {kKeywordInName | kKeywordAllRequired, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Search("site news links", c.flags), c.expected) << c.flags;
}

TEST_F(KeywordSearch, ContentCountsOnlyWhenAskedForAndNeverForWebAddresses) {
  EXPECT_EQ(Search("zebra", kNoContent), Ranks{});
  EXPECT_EQ(Search("zebra", kWithContent), (Ranks{{"beach", 1}}));  // the web item's address holds it too
  EXPECT_EQ(Search("example", kWithContent), Ranks{});
  EXPECT_EQ(Search("giraffe", kWithContent), (Ranks{{"docs", 1}}));  // a name below a folder item
  EXPECT_EQ(Search("zebra sand crossing", kWithContent | kKeywordAllRequired), (Ranks{{"beach", 3}}));
}

TEST_F(KeywordSearch, QueryPanelFlagsFollowTheConfigurationReadNow) {
  struct Case {
    std::string config;
    unsigned flags;
  };
  const std::vector<Case> cases = {
      {"SearchFileContent=\"true\" IncludeAll=\"true\"", kNoContent | kKeywordInContent | kKeywordAllRequired},
      {"SearchFileContent=\"TRUE\" IncludeAll=\"false\"", kNoContent | kKeywordInContent},
      {"SearchFileContent=\"yes\" IncludeAll=\"True\"", kNoContent | kKeywordAllRequired},
      {"SearchFileContent=\" true\"", kNoContent},
      {"", kNoContent},
  };
  for (const auto& c : cases) {
    Load(c.config);
    EXPECT_EQ(QueryPanelKeywordFlags(store_), c.flags) << c.config;
  }
}

TEST_F(KeywordSearch, NothingHappensWithoutFlagsOrKeywords) {
  auto result = EvaluateExpression(store_, "Work");
  ASSERT_TRUE(result);
  for (const auto& [keywords, flags] : std::vector<std::pair<std::string, unsigned>>{
           {"red", 0}, {"", kNoContent}, {"   ", kNoContent | kKeywordAllRequired}}) {
    ItemList items = result->items;
    EXPECT_TRUE(FilterByKeywords(store_, keywords, items, flags));
    ASSERT_EQ(items.size(), 4u) << keywords;
    EXPECT_EQ(items[0].GetPropertyValues(), result->items[0].GetPropertyValues());
  }
}

TEST_F(KeywordSearch, RankIsOneDecimalPseudoPropertyReplacedByTheNextSearch) {
  auto result = EvaluateExpression(store_, "Work");
  ASSERT_TRUE(result);
  ItemList items = result->items;
  ASSERT_TRUE(FilterByKeywords(store_, "red green green", items, kNoContent));
  const CFileItem* both = items.Find("file:///w/1");
  ASSERT_NE(both, nullptr);
  EXPECT_EQ(both->GetPropertyValues(), (std::vector<std::string>{"<ItemKeywordsRank>;3"}));
  ASSERT_TRUE(FilterByKeywords(store_, "red", items, kNoContent));
  EXPECT_EQ(items.Find("file:///w/1")->GetPropertyValues(), (std::vector<std::string>{"<ItemKeywordsRank>;1"}));
}

TEST_F(KeywordSearch, StopLeavesTheListUnchangedAndProgressCountsItems) {
  auto result = EvaluateExpression(store_, "Root");
  ASSERT_TRUE(result);
  std::vector<std::pair<size_t, size_t>> calls;
  ItemList items = result->items;
  ASSERT_TRUE(FilterByKeywords(store_, "red", items, kWithContent,
                               {{}, [&](size_t done, size_t total) { calls.emplace_back(done, total); }}));
  ASSERT_EQ(calls.size(), 7u);
  EXPECT_EQ(calls.back(), (std::pair<size_t, size_t>{7, 7}));

  std::stop_source stopper;
  items = result->items;
  const KeywordSearchControl control{stopper.get_token(), [&](size_t done, size_t) {
                                       if (done == 2) stopper.request_stop();
                                     }};
  EXPECT_FALSE(FilterByKeywords(store_, "zebra", items, kWithContent, control));
  ASSERT_EQ(items.size(), result->items.size());
  for (const auto& item : items) EXPECT_EQ(KeywordRankOf(item), 0) << item.GetName();
}

TEST_F(KeywordSearch, FilterAppliesWithoutTheStoreOnAnotherThread) {
  auto result = EvaluateExpression(store_, "Root");
  ASSERT_TRUE(result);
  const KeywordFilter filter(store_, "TRAVEL zebra", kWithContent);
  EXPECT_EQ(filter.Keywords(), (std::vector<std::string>{"travel", "zebra"}));
  // The store changes under the filter: the set-name lists were taken before.
  ASSERT_TRUE(store_.LoadXml("<AllSets Version=\"1.50\"><EntitySets RootName=\"X\"/></AllSets>"));
  ItemList items = result->items;
  bool applied = false;
  std::thread([&] { applied = filter.Apply(items); }).join();
  ASSERT_TRUE(applied);
  EXPECT_EQ(items.size(), 2u);
  EXPECT_EQ(KeywordRankOf(*items.Find(LocalPathToFileUrl(tmp_ / "beach notes.txt"))), 2);
}

}  // namespace
}  // namespace ovelin

namespace ovelin {
namespace {

// Enough files that the content tests are shared among workers: every answer
// must be the one a single worker gives, and progress must end at the total.
TEST(KeywordSearchWorkers, ManyFilesGiveTheSameRanksAsOneByOne) {
  test::TempDir dir;
  std::vector<Item> files;
  for (int i = 0; i < 300; ++i) {
    // Text files and HTML pages alternate, so that pages are parsed on several threads.
    const bool page = i % 2 == 0;
    const std::string name = "f" + std::to_string(i) + (page ? ".html" : ".txt");
    const std::string text = i % 3 == 0 ? "a Quokka here" : (i % 3 == 1 ? "quokka and WOMBAT" : "nothing");
    test::WriteTextFile(dir / name, page ? "<html><body><p>" + text + "</p></body></html>" : text);
    files.push_back({name, LocalPathToFileUrl(dir / name), ""});
  }
  CFileSetStore store;
  ASSERT_TRUE(store.LoadXml("<AllSets Version=\"1.50\"><EntitySets RootName=\"R\">" + SetXml("R", "", "", files) +
                            "</EntitySets></AllSets>"));
  ItemList items = store.GetRootItems();
  size_t lastDone = 0, lastTotal = 0;
  ASSERT_TRUE(FilterByKeywords(store, "quokka wombat", items, kWithContent, {{}, [&](size_t done, size_t total) {
                                                                               lastDone = done;
                                                                               lastTotal = total;
                                                                             }}));
  EXPECT_EQ(lastDone, 300u);
  EXPECT_EQ(lastTotal, 300u);
  ASSERT_EQ(items.size(), 200u);
  for (const auto& item : items) {
    const int i = std::stoi(item.GetName().substr(1));  // "f<i>.txt" or "f<i>.html"
    EXPECT_EQ(KeywordRankOf(item), i % 3 == 0 ? 1 : 2) << item.GetName();
  }
}

}  // namespace
}  // namespace ovelin
