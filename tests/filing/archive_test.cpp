// The archiving engine: moves, collisions, folders, records, placement and the
// Abort/Retry/Ignore protocol. Every test that moves files checks that each
// source file's bytes exist exactly once afterwards.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <cerrno>
#include <filesystem>

#include "filing/archive_engine.h"
#include "filing/url_parts.h"
#include "filing_fixture.h"
#include "store/store_fixture.h"

namespace ovelin {
namespace {

using test::ExpectEachOnce;
using test::FixedTime;
using test::kRootSet;
using test::ReadTextFile;
using test::ScriptedProgress;

class ArchiveTest : public test::FilingTest {
 protected:
  ITEM_PIGEONHOLE_STRUCT Request(const std::string& path, const std::string& sets = "",
                                 const std::string& storeSet = kRootSet) const {
    ITEM_PIGEONHOLE_STRUCT request;
    request.Name = std::filesystem::path(path).filename().string();
    request.Url = MakeFileUrl(path);
    request.BasePath = path;
    request.BelongSets = sets;
    request.PigPathSet = storeSet;
    return request;
  }

  ArchiveResult Run(const PigeonholeBatch& batch, IFilingProgress* progress = nullptr) {
    return Archive(store, batch, progress, environment);
  }

  NameList SetsOf(const std::string& url) const { return store.FindItemByPath(url).GetOwningSets(); }

  FilingEnvironment environment{RenameNoReplace, [] { return FixedTime(); }};
};

TEST_F(ArchiveTest, MovesBelowTheBaseFolderAndRecordsUnderTheNewUrl) {
  AddSet("Work");
  const std::string source = MakeFile("docs/sub folder/b c.txt", "bytes of b");
  ITEM_PIGEONHOLE_STRUCT request = Request(source, "Work", "Work");
  request.BasePath = files + "/docs";
  request.Description = "a note";
  request.PropValueAry = {"Ignored;1"};

  ScriptedProgress progress;
  const ArchiveResult result = Run({request}, &progress);

  const std::string moved = storeRoot + "/Work/docs/sub folder/b c.txt";
  const std::string newUrl = "file://" + storeRoot + "/Work/docs/sub%20folder/b%20c.txt";
  ASSERT_EQ(result.items.size(), 1u);
  EXPECT_EQ(result.items[0].oldUrl, request.Url);
  EXPECT_EQ(result.items[0].newUrl, newUrl);
  EXPECT_EQ(result.items[0].sets, NameList{"Work"});
  EXPECT_EQ(result.items[0].status, ArchiveStatus::Moved);
  EXPECT_EQ(result.items[0].name, "b c.txt");
  EXPECT_TRUE(result.saved);
  EXPECT_FALSE(result.aborted);
  EXPECT_EQ(ReadTextFile(moved), "bytes of b");
  ExpectEachOnce({files, storeRoot}, {"bytes of b"});
  EXPECT_EQ(progress.events, (std::vector<std::string>{"start 1", "item " + request.Url, "finish"}));

  const auto saved = Reloaded();
  EXPECT_EQ(ElementPaths(*saved, "Work"), std::vector<std::string>{newUrl});
  const CFileItem item = saved->FindItemByPath(newUrl);
  EXPECT_EQ(item.GetName(), "b c.txt");
  EXPECT_EQ(item.GetDescription(), "a note");
  EXPECT_TRUE(saved->FindItemByPath(request.Url).GetPath().empty());
}

TEST_F(ArchiveTest, WithoutStoreSetTheFileStaysButIsRecorded) {
  AddSet("Work");
  const std::string source = MakeFile("a.txt", "stays");
  const ArchiveResult result = Run({Request(source, "Work", "")});
  EXPECT_EQ(result.items[0].newUrl, MakeFileUrl(source));
  EXPECT_EQ(result.items[0].status, ArchiveStatus::Recorded);
  EXPECT_EQ(ReadTextFile(source), "stays");
  EXPECT_EQ(SetsOf(MakeFileUrl(source)), NameList{"Work"});
  EXPECT_EQ(ElementPaths(*Reloaded(), "Work"), std::vector<std::string>{MakeFileUrl(source)});
}

TEST_F(ArchiveTest, StorePathChainWithoutAFolderMovesNothing) {
  store.SetStorePath(kRootSet, "", StorePathKind::UsrDef);
  AddSet("Work");
  AddSet("Orphaned");
  store.SetStorePath("Orphaned", "NoSuchSet", StorePathKind::ExParent);
  const std::string a = MakeFile("a.txt", "a");
  const std::string b = MakeFile("b.txt", "b");
  const ArchiveResult result = Run({Request(a, "Work", "Work"), Request(b, "Orphaned", "Orphaned")});
  EXPECT_EQ(result.items[0].newUrl, MakeFileUrl(a));
  EXPECT_EQ(result.items[1].newUrl, MakeFileUrl(b));
  EXPECT_FALSE(std::filesystem::exists("/Work/a.txt"));
  EXPECT_FALSE(std::filesystem::exists("/Orphaned/b.txt"));
  EXPECT_EQ(SetsOf(MakeFileUrl(a)), NameList{"Work"});
}

TEST_F(ArchiveTest, UnreachableStorePathIsReportedWithTheSetAndWhy) {
  AddSet("Lost");
  store.SetStorePath("Lost", "Gone", StorePathKind::ExParent);
  AddSet("Loop");
  store.SetStorePath("Loop", "Loop", StorePathKind::ExParent);
  AddSet("Empty");
  store.SetStorePath("Empty", "", StorePathKind::UsrDef);
  AddSet("Below", {"Empty"});
  std::vector<std::string> urls;
  for (const char* name : {"a", "b", "c", "d"}) urls.push_back(MakeFileUrl(MakeFile(name, name)));
  const std::string unreachable = "的存储路径无法到达：";
  const std::vector<std::string> reasons = {"文件集Lost" + unreachable + "文件集Lost扩展的父集Gone不存在",
                                            "文件集Loop" + unreachable + "存储路径的扩展在文件集Loop处形成循环",
                                            "文件集Below" + unreachable + "文件集Empty没有存储文件夹",
                                            "文件集Nowhere" + unreachable + "没有这个文件集"};

  using enum ErrorChoice;
  ScriptedProgress progress({Retry, Ignore, Ignore, Ignore, Abort});
  const ArchiveResult result = Run({Request(files + "/a", "Lost", "Lost"), Request(files + "/b", "Loop", "Loop"),
                                    Request(files + "/c", "Below", "Below"), Request(files + "/d", "", "Nowhere")},
                                   &progress);
  EXPECT_EQ(progress.errors, (std::vector<std::string>{reasons[0] + "\n" + urls[0], reasons[0] + "\n" + urls[0],
                                                       reasons[1] + "\n" + urls[1], reasons[2] + "\n" + urls[2],
                                                       reasons[3] + "\n" + urls[3]}));
  EXPECT_TRUE(result.aborted);
  ASSERT_EQ(result.items.size(), 3u);
  for (size_t i = 0; i < 3; ++i) {
    EXPECT_EQ(result.items[i].status, ArchiveStatus::Failed);
    EXPECT_EQ(result.items[i].reason, reasons[i]);
    EXPECT_EQ(result.items[i].newUrl, urls[i]);
  }
  EXPECT_EQ(SetsOf(urls[0]), NameList{"Lost"});  // recorded where it is
  EXPECT_TRUE(SetsOf(urls[3]).empty());          // stopped before it
  ExpectEachOnce({files, storeRoot}, {"a", "b", "c", "d"});
}

TEST_F(ArchiveTest, TakenNamesGetTimeStampsAndNothingIsOverwritten) {
  const std::string first = MakeFile("one/b.txt", "first");
  const std::string second = MakeFile("two/b.txt", "second");
  const std::string third = MakeFile("three/README", "third");
  std::filesystem::create_directories(storeRoot);
  test::WriteTextFile(storeRoot + "/b.txt", "already there");
  test::WriteTextFile(storeRoot + "/README", "readme there");

  const ArchiveResult result = Run({Request(first), Request(second), Request(third)});

  // The second collision in the same second stamps the stamped name again.
  EXPECT_EQ(ReadTextFile(storeRoot + "/b_20081210093005.txt"), "first");
  EXPECT_EQ(ReadTextFile(storeRoot + "/b_20081210093005_20081210093005.txt"), "second");
  EXPECT_EQ(ReadTextFile(storeRoot + "/README_20081210093005"), "third");
  EXPECT_EQ(result.items[1].newUrl, MakeFileUrl(storeRoot + "/b_20081210093005_20081210093005.txt"));
  ExpectEachOnce({files, storeRoot}, {"first", "second", "third", "already there", "readme there"});
}

TEST_F(ArchiveTest, ANewSecondGivesANewStamp) {
  int tick = 0;
  environment.now = [&] { return FixedTime(tick++); };
  const std::string first = MakeFile("one/b.txt", "first");
  const std::string second = MakeFile("two/b.txt", "second");
  std::filesystem::create_directories(storeRoot);
  test::WriteTextFile(storeRoot + "/b.txt", "already there");
  Run({Request(first), Request(second)});
  EXPECT_EQ(ReadTextFile(storeRoot + "/b_20081210093005.txt"), "first");
  EXPECT_EQ(ReadTextFile(storeRoot + "/b_20081210093006.txt"), "second");
}

TEST_F(ArchiveTest, EndlessCollisionsEndAsAReportedFailure) {
  int attempts = 0;
  environment.rename = [&](const std::string&, const std::string&) {
    ++attempts;
    return EEXIST;
  };
  const std::string source = MakeFile("a.txt", "kept");
  ScriptedProgress progress;
  const ArchiveResult result = Run({Request(source)}, &progress);
  EXPECT_LT(attempts, 100);
  EXPECT_EQ(progress.errors, std::vector<std::string>{"移动文件失败:\n" + MakeFileUrl(source)});
  EXPECT_EQ(result.items[0].status, ArchiveStatus::Failed);
  EXPECT_EQ(result.items[0].reason, progress.errors[0]);
  EXPECT_EQ(result.items[0].newUrl, MakeFileUrl(source));
  EXPECT_EQ(SetsOf(MakeFileUrl(source)), NameList{kRootSet});
  ExpectEachOnce({files, storeRoot}, {"kept"});
}

TEST_F(ArchiveTest, CreatesMissingFolderChainsOfExtendedStorePaths) {
  AddSet("Work");
  AddSet("Tax", {"Work"});
  const std::string source = MakeFile("2008/return.pdf", "tax return");
  ITEM_PIGEONHOLE_STRUCT request = Request(source, "Tax", "Tax");
  request.BasePath = files + "/2008";
  Run({request});
  EXPECT_EQ(ReadTextFile(storeRoot + "/Work/Tax/2008/return.pdf"), "tax return");
  ExpectEachOnce({files, storeRoot}, {"tax return"});
}

TEST_F(ArchiveTest, StorePathThatCannotBeCreatedKeepsTheItemWhereItIs) {
  test::WriteTextFile(temp / "blocker", "a file where a folder should be");
  AddSet("Blocked");
  store.SetStorePath("Blocked", temp / "blocker/inside", StorePathKind::UsrDef);
  AddSet("Relative");
  store.SetStorePath("Relative", "relative/folder", StorePathKind::UsrDef);
  const std::string a = MakeFile("a.txt", "a");
  const std::string b = MakeFile("b.txt", "b");

  ScriptedProgress progress;
  const ArchiveResult result = Run({Request(a, "Blocked", "Blocked"), Request(b, "Relative", "Relative")}, &progress);
  EXPECT_EQ(progress.errors.size(), 2u);
  EXPECT_EQ(result.items[0].status, ArchiveStatus::Failed);
  EXPECT_EQ(result.items[1].status, ArchiveStatus::Failed);
  EXPECT_EQ(SetsOf(MakeFileUrl(a)), NameList{"Blocked"});
  EXPECT_EQ(SetsOf(MakeFileUrl(b)), NameList{"Relative"});
  EXPECT_FALSE(std::filesystem::exists("relative"));
  ExpectEachOnce({files, storeRoot}, {"a", "b"});
}

TEST_F(ArchiveTest, VanishedFileIsReportedAndRecordedWhereItWas) {
  AddSet("Work");
  const std::string gone = files + "/gone.txt";
  const std::string present = MakeFile("here.txt", "here");
  ScriptedProgress progress;
  const ArchiveResult result = Run({Request(gone, "Work"), Request(present, "Work")}, &progress);
  EXPECT_EQ(progress.errors.size(), 1u);
  EXPECT_EQ(result.items[0].status, ArchiveStatus::Failed);
  EXPECT_EQ(SetsOf(MakeFileUrl(gone)), NameList{"Work"});
  EXPECT_EQ(ReadTextFile(storeRoot + "/here.txt"), "here");
}

// A rename that fails with EACCES for the listed sources, `failures` times each.
RenameFunction FailingFor(std::map<std::string, int>& failures) {
  return [&failures](const std::string& from, const std::string& to) {
    auto found = failures.find(from);
    if (found != failures.end() && found->second > 0) {
      --found->second;
      return EACCES;
    }
    return RenameNoReplace(from, to);
  };
}

TEST_F(ArchiveTest, IgnoreKeepsTheItemAndGoesOn) {
  const std::string a = MakeFile("a.txt", "a");
  const std::string b = MakeFile("b.txt", "b");
  std::map<std::string, int> failures{{a, 1000}};
  environment.rename = FailingFor(failures);
  ScriptedProgress progress({ErrorChoice::Ignore});
  const ArchiveResult result = Run({Request(a), Request(b)}, &progress);
  EXPECT_EQ(progress.events, (std::vector<std::string>{"start 2", "item " + MakeFileUrl(a), "error",
                                                       "item " + MakeFileUrl(b), "finish"}));
  EXPECT_EQ(result.items.size(), 2u);
  EXPECT_EQ(SetsOf(MakeFileUrl(a)), NameList{kRootSet});
  EXPECT_EQ(ReadTextFile(storeRoot + "/b.txt"), "b");
  ExpectEachOnce({files, storeRoot}, {"a", "b"});
}

TEST_F(ArchiveTest, RetryTriesTheSameDestinationAgain) {
  const std::string a = MakeFile("a.txt", "a");
  std::map<std::string, int> failures{{a, 2}};
  environment.rename = FailingFor(failures);
  ScriptedProgress progress({ErrorChoice::Retry, ErrorChoice::Retry});
  const ArchiveResult result = Run({Request(a)}, &progress);
  EXPECT_EQ(progress.errors.size(), 2u);
  EXPECT_EQ(result.items[0].status, ArchiveStatus::Moved);
  EXPECT_EQ(ReadTextFile(storeRoot + "/a.txt"), "a");
  ExpectEachOnce({files, storeRoot}, {"a"});
}

TEST_F(ArchiveTest, AbortStopsTheBatchAndSavesWhatWasDone) {
  AddSet("Work");
  const std::string a = MakeFile("a.txt", "a");
  const std::string b = MakeFile("b.txt", "b");
  const std::string c = MakeFile("c.txt", "c");
  std::map<std::string, int> failures{{b, 1000}};
  environment.rename = FailingFor(failures);
  ScriptedProgress progress({ErrorChoice::Abort});
  const ArchiveResult result = Run({Request(a, "Work"), Request(b, "Work"), Request(c, "Work")}, &progress);

  EXPECT_TRUE(result.aborted);
  EXPECT_TRUE(result.saved);
  ASSERT_EQ(result.items.size(), 1u);
  EXPECT_EQ(progress.events.back(), "finish");
  EXPECT_EQ(ReadTextFile(b), "b");
  EXPECT_EQ(ReadTextFile(c), "c");
  ExpectEachOnce({files, storeRoot}, {"a", "b", "c"});
  EXPECT_EQ(ElementPaths(*Reloaded(), "Work"), std::vector<std::string>{MakeFileUrl(storeRoot + "/a.txt")});
}

TEST_F(ArchiveTest, CrossFileSystemMoveCopiesThenRemoves) {
  environment.rename = [](const std::string&, const std::string&) { return EXDEV; };
  const std::string file = MakeFile("top/a.txt", "copied across");
  std::filesystem::create_directories(files + "/folder");
  ScriptedProgress progress;
  const ArchiveResult result = Run({Request(file), Request(files + "/folder")}, &progress);
  EXPECT_EQ(ReadTextFile(storeRoot + "/a.txt"), "copied across");
  EXPECT_EQ(result.items[0].status, ArchiveStatus::Moved);
  EXPECT_EQ(result.items[1].status, ArchiveStatus::Failed);  // a folder is not copied between file systems
  EXPECT_EQ(progress.errors.size(), 1u);
  EXPECT_TRUE(test::IsFolder(files + "/folder"));
  ExpectEachOnce({files, storeRoot}, {"copied across"});
}

TEST_F(ArchiveTest, RealMoveIntoAStorePathOnAnotherFileSystem) {
  struct stat here {
  }, shm{};
  if (::stat(temp.path().c_str(), &here) != 0 || ::stat("/dev/shm", &shm) != 0 || here.st_dev == shm.st_dev) {
    GTEST_SKIP() << "/dev/shm is not another file system here";
  }
  char pattern[] = "/dev/shm/ovelin-store-XXXXXX";
  ASSERT_TRUE(::mkdtemp(pattern));
  const std::string other = pattern;
  store.SetStorePath(kRootSet, other, StorePathKind::UsrDef);
  const std::string file = MakeFile("sub/a.txt", "to tmpfs");
  MakeFile("folder/inside.txt", "stays");
  ITEM_PIGEONHOLE_STRUCT request = Request(file);
  request.BasePath = files + "/sub";
  const ArchiveResult result = Run({request, Request(files + "/folder")});
  EXPECT_EQ(result.items[0].newUrl, MakeFileUrl(other + "/sub/a.txt"));
  EXPECT_EQ(result.items[1].status, ArchiveStatus::Failed);  // folders do not travel between file systems
  ExpectEachOnce({files, other}, {"to tmpfs", "stays"});
  std::filesystem::remove_all(other);
}

TEST_F(ArchiveTest, ZeroItemsStillFinishesAndSaves) {
  std::filesystem::remove(dataFile);
  ScriptedProgress progress;
  const ArchiveResult result = Run({}, &progress);
  EXPECT_EQ(progress.events, std::vector<std::string>{"finish"});
  EXPECT_TRUE(result.saved);
  EXPECT_TRUE(test::IsFile(dataFile));
}

TEST_F(ArchiveTest, WebAddressIsNeverMovedButRecordedAgain) {
  AddSet("Links");
  ITEM_PIGEONHOLE_STRUCT request;
  request.Name = "Example";
  request.Url = "http://example.org/a%20b.html";
  request.BelongSets = "Links";
  request.PigPathSet = kRootSet;
  request.BasePath = files;
  Run({request});
  request.Name = "Renamed";
  request.BelongSets = "";
  const ArchiveResult result = Run({request});
  EXPECT_EQ(result.items[0].newUrl, request.Url);
  EXPECT_EQ(result.items[0].status, ArchiveStatus::Recorded);
  const CFileItem item = store.FindItemByPath(request.Url);
  EXPECT_EQ(item.GetName(), "Renamed");
  EXPECT_EQ(item.GetOwningSets(), NameList{kRootSet});
  EXPECT_TRUE(ElementPaths(*Reloaded(), "Links").empty());
  EXPECT_FALSE(std::filesystem::exists(storeRoot));
}

TEST_F(ArchiveTest, ReArchivingReplacesTheOldRecord) {
  AddSet("Work");
  AddSet("Home");
  AddSet("Old");
  const std::string source = MakeFile("a.txt", "a");
  Run({Request(source, "Work;Home", "")});
  EXPECT_EQ(SetsOf(MakeFileUrl(source)), (NameList{"Home", "Work"}));

  ITEM_PIGEONHOLE_STRUCT again = Request(source, "Old", "Old");
  again.Name = "new name";
  const ArchiveResult result = Run({again});
  const std::string newUrl = MakeFileUrl(storeRoot + "/Old/a.txt");
  EXPECT_EQ(result.items[0].newUrl, newUrl);
  const auto saved = Reloaded();
  EXPECT_TRUE(ElementPaths(*saved, "Work").empty());
  EXPECT_TRUE(ElementPaths(*saved, "Home").empty());
  EXPECT_EQ(ElementPaths(*saved, "Old"), std::vector<std::string>{newUrl});
  EXPECT_EQ(saved->FindItemByPath(newUrl).GetName(), "new name");
  EXPECT_TRUE(saved->FindItemByPath(MakeFileUrl(source)).GetPath().empty());
  ExpectEachOnce({files, storeRoot}, {"a"});
}

TEST_F(ArchiveTest, StaleRecordAtTheDestinationIsReplaced) {
  AddSet("Stale");
  AddSet("Fresh");
  const std::string destination = storeRoot + "/a.txt";
  test::AddItem(store, "Stale", "stale", MakeFileUrl(destination));  // its file is long gone
  const std::string source = MakeFile("a.txt", "a");
  Run({Request(source, "Fresh")});
  EXPECT_EQ(SetsOf(MakeFileUrl(destination)), NameList{"Fresh"});
  EXPECT_TRUE(ElementPaths(*Reloaded(), "Stale").empty());
}

TEST_F(ArchiveTest, EmptyNameTakesTheFileName) {
  const std::string source = MakeFile("named.txt", "n");
  ITEM_PIGEONHOLE_STRUCT request = Request(source);
  request.Name.clear();
  Run({request});
  EXPECT_EQ(store.FindItemByPath(MakeFileUrl(storeRoot + "/named.txt")).GetName(), "named.txt");
}

TEST_F(ArchiveTest, AnItemThatFitsNoSetIsNeitherMovedNorRecordedAndTheOthersAre) {
  AddSet("Work");
  AddSet("Licenses", {}, {"Year;NUMBER;1990;2100;;Self"});
  const std::string kept = MakeFile("kept.txt", "kept");
  const std::string fresh = MakeFile("fresh.txt", "fresh");
  const std::string good = MakeFile("good.txt", "good");
  Run({Request(kept, "Work", "")});  // an earlier record, where the file is
  ITEM_PIGEONHOLE_STRUCT misfit = Request(kept, "Licenses", "Licenses");
  misfit.Name = "renamed";
  misfit.PropValueAry = {"Year;1989"};
  const ITEM_PIGEONHOLE_STRUCT valueless = Request(fresh, "Licenses", "Licenses");
  ITEM_PIGEONHOLE_STRUCT fits = Request(good, "Licenses", "Licenses");
  fits.PropValueAry = {"Year;2000"};

  ScriptedProgress progress;
  const ArchiveResult result = Run({misfit, valueless, fits}, &progress);

  EXPECT_TRUE(progress.errors.empty());
  ASSERT_EQ(result.items.size(), 3u);
  const ArchivedItem& refused = result.items[0];
  EXPECT_EQ(refused.status, ArchiveStatus::Unplaced);
  EXPECT_EQ(refused.name, "renamed");
  EXPECT_EQ(refused.failures,
            (std::vector<PlacementFailure>{{PlacementFailureKind::BelowMinimum, "Year", "1989", "Licenses", "1990"}}));
  EXPECT_EQ(refused.reason, "属性Year的值1989低于文件集Licenses的下限1990");
  EXPECT_EQ(result.items[1].status, ArchiveStatus::Unplaced);
  EXPECT_EQ(result.items[2].status, ArchiveStatus::Moved);
  EXPECT_EQ(ReadTextFile(kept), "kept");
  EXPECT_EQ(ReadTextFile(fresh), "fresh");
  ExpectEachOnce({files, storeRoot}, {"kept", "fresh", "good"});

  const auto saved = Reloaded();
  const CFileItem old = saved->FindItemByPath(misfit.Url);
  EXPECT_EQ(old.GetName(), "kept.txt");
  EXPECT_EQ(old.GetOwningSets(), NameList{"Work"});
  EXPECT_EQ(ElementPaths(*saved, "Work"), std::vector<std::string>{misfit.Url});
  EXPECT_TRUE(saved->FindItemByPath(valueless.Url).GetPath().empty());
  EXPECT_EQ(ElementPaths(*saved, "Licenses"), std::vector<std::string>{MakeFileUrl(storeRoot + "/Licenses/good.txt")});
}

// Sets and placement: Media has Year (NUMBER) and Author (STRING) definitions;
// its children split the range.
class PlacementTest : public ArchiveTest {
 protected:
  void SetUp() override {
    ArchiveTest::SetUp();
    AddSet("Work");
    AddSet("Tax", {"Work"});
    AddSet("Media", {}, {"Year;NUMBER;;;1990;Self", "Author;STRING;;;;Self"});
    AddSet("Old", {"Media"}, {"Era;STRING;;;;Self"});
    AddSet("Classic", {"Old"}, {"Decade;NUMBER;;1999;1995;Self"});
    AddSet("New", {"Media"}, {"Since;NUMBER;2000;;;Self"});
    AddSet("AtoM", {"Media"}, {"Initial;STRING;A;M;;Self"});
  }

  ArchivedItem FileWebItem(const std::string& sets, const std::vector<std::string>& values) {
    ITEM_PIGEONHOLE_STRUCT request;
    request.Name = "item";
    request.Url = "http://example.org/" + std::to_string(counter_++);
    request.BelongSets = sets;
    request.PropValueAry = values;
    return Run({request}).items.at(0);
  }

  NameList Place(const std::string& sets, const std::vector<std::string>& values, CFileItem* recorded = nullptr) {
    const ArchivedItem done = FileWebItem(sets, values);
    if (recorded) *recorded = store.FindItemByPath(done.oldUrl);
    return done.sets;
  }

 private:
  int counter_ = 0;
};

TEST_F(PlacementTest, ChosenSetsTable) {
  struct Case {
    const char* sets;
    std::vector<std::string> values;
    NameList expected;
  };
  const Case cases[] = {
      {"", {}, {kRootSet}},
      {"Nowhere;Tax", {}, {"Tax"}},
      {"Nowhere", {}, {kRootSet}},
      {"Work;Tax", {}, {"Tax"}},
      {"Tax;Work;Tax;", {}, {"Tax"}},
      {"Work", {}, {"Work"}},
      {"Media;Work", {"Year;2005", "Author;X", "Since;2001"}, {"New", "Work"}},
      {"Media", {"Year;2005", "Author;X", "Since;1999"}, {"Media"}},
      {"Media", {"Year;2005", "Author;X", "Since;1999x", "Initial;B"}, {"AtoM"}},
      {"Media", {"Year;2005", "Author;X", "Initial;N"}, {"Media"}},
      {"Media", {"Year;1", "Author;X", "Since;2000", "Initial;M"}, {"AtoM", "New"}},
      {"Media", {"Year;1", "Author;X", "Era;", "Decade;1999"}, {"Classic"}},
      {"Media", {"Year;1", "Author;X", "Era;", "Decade;2000"}, {"Old"}},
      {"Media", {"Year;1"}, {}},  // Author missing: no set of the branch accepts it
  };
  for (const auto& c : cases) EXPECT_EQ(Place(c.sets, c.values), c.expected) << c.sets << " " << c.values.size();
}

TEST_F(PlacementTest, EmptyValuesTakeTheInitialValue) {
  CFileItem recorded;
  EXPECT_EQ(Place("Media", {"Year;", "Author;", "Era;", "Decade;"}, &recorded), NameList{"Classic"});
  EXPECT_EQ(recorded.GetPropertyValue("Year"), "1990");
  EXPECT_EQ(recorded.GetPropertyValue("Decade"), "1995");
  EXPECT_EQ(recorded.GetOwningSets(), NameList{"Classic"});
}

TEST_F(PlacementTest, AnItemNoSetAcceptsIsNotRecordedAndTheReasonNamesWhatItMissed) {
  struct Case {
    const char* sets;
    std::vector<std::string> values;
    const char* reason;
  };
  const Case table[] = {
      {"New", {"Year;1", "Author;X", "Since;1999"}, "属性Since的值1999低于文件集New的下限2000"},
      {"Classic", {"Year;1", "Author;X", "Era;", "Decade;2005"}, "属性Decade的值2005高于文件集Classic的上限1999"},
      // "nan" reads as 0 like any text without a number, so it misses a lower bound.
      {"New", {"Year;1", "Author;X", "Since;nan"}, "属性Since的值nan低于文件集New的下限2000"},
      {"Media", {"Year;1"}, "缺少属性Author的值，文件集Media要求它"},
      {"New;AtoM",
       {"Year;1", "Author;X", "Since;", "Initial;Z"},
       "属性Initial的值Z高于文件集AtoM的上限M；属性Since的值低于文件集New的下限2000"},
  };
  for (const auto& c : table) {
    SCOPED_TRACE(c.sets);
    const ArchivedItem done = FileWebItem(c.sets, c.values);
    EXPECT_EQ(done.status, ArchiveStatus::Unplaced);
    EXPECT_EQ(done.reason, c.reason);
    EXPECT_TRUE(store.FindItemByPath(done.oldUrl).GetPath().empty());
  }
}

}  // namespace
}  // namespace ovelin
