// Dry runs: the engines with planning primitives give the result the real run
// gives, and leave the disk, the document and the data file as they were.
#include <gtest/gtest.h>

#include <filesystem>

#include "filing/archive_engine.h"
#include "filing/delete_items.h"
#include "filing/planning_environment.h"
#include "filing/url_parts.h"
#include "filing_fixture.h"
#include "store/store_fixture.h"

namespace ovelin {
namespace {

using test::DiskListing;
using test::FixedTime;
using test::kRootSet;
using test::ReadTextFile;
using test::WriteTextFile;

// What a result says about each item, field by field.
std::vector<std::string> Described(const ArchiveResult& result) {
  std::vector<std::string> lines;
  for (const auto& item : result.items) {
    lines.push_back(item.oldUrl + " > " + item.newUrl + " " + std::to_string(static_cast<int>(item.status)) + " " +
                    JoinNames(item.sets) + " " + item.reason);
  }
  return lines;
}

std::vector<std::string> Described(const DeleteResult& result) {
  std::vector<std::string> lines;
  for (const auto& item : result.items) {
    const int outcome = item.file ? static_cast<int>(item.file->outcome) : -1;
    lines.push_back(item.url + (item.recordRemoved ? " removed " : " kept ") + std::to_string(outcome));
  }
  return lines;
}

class DryRunTest : public test::FilingTest {
 protected:
  ITEM_PIGEONHOLE_STRUCT Request(const std::string& path, const std::string& storeSet = kRootSet) const {
    ITEM_PIGEONHOLE_STRUCT request;
    request.Url = MakeFileUrl(path);
    request.BasePath = path;
    request.PigPathSet = storeSet;
    return request;
  }

  // Runs `run` first as a dry run, expecting it to change nothing, then for real;
  // returns both descriptions.
  template <typename Run>
  std::pair<std::vector<std::string>, std::vector<std::string>> PlanThenRun(Run run) {
    const auto disk = DiskListing(temp.path());
    const std::string document = store.GetXml(false);
    const auto planned = Described(run(PlanningEnvironment(real)));
    EXPECT_EQ(DiskListing(temp.path()), disk);
    EXPECT_EQ(store.GetXml(false), document);
    return {planned, Described(run(real))};
  }

  FilingEnvironment real{RenameNoReplace, [] { return FixedTime(); }};
};

TEST_F(DryRunTest, ArchivePlanIsWhatTheRealRunDoes) {
  AddSet("Tax", {}, {"Year;NUMBER;2000;2100;;Self"});
  WriteTextFile(temp / "blocker", "");
  ASSERT_TRUE(store.CreateFileSet("Broken", {kRootSet}, temp / "blocker/inside", StorePathKind::UsrDef, {}));
  std::filesystem::create_directories(storeRoot);
  WriteTextFile(storeRoot + "/taken.txt", "already there");
  ITEM_PIGEONHOLE_STRUCT unplaced = Request(MakeFile("misfit.txt", "m"), "Tax");
  unplaced.BelongSets = "Tax";
  unplaced.PropValueAry = {"Year;1999"};
  ITEM_PIGEONHOLE_STRUCT web;
  web.Url = "https://example.org/a";
  const PigeonholeBatch batch = {
      Request(MakeFile("x/same.txt", "x")),  // two files of one name into one folder
      Request(MakeFile("y/same.txt", "y")),
      Request(MakeFile("taken.txt", "t")),
      Request(MakeFile("stuck.txt", "s"), "Broken"),
      Request(files + "/vanished.txt"),
      unplaced,
      web,
  };
  const auto [planned, done] =
      PlanThenRun([&](const FilingEnvironment& environment) { return Archive(store, batch, nullptr, environment); });
  EXPECT_EQ(planned, done);
  ASSERT_EQ(done.size(), batch.size());
  EXPECT_NE(done[0], done[1]);
  EXPECT_EQ(ReadTextFile(storeRoot + "/taken.txt"), "already there");
}

TEST_F(DryRunTest, DeletePlanIsWhatTheRealRunDoes) {
  AddSet("Work");
  const std::string a = MakeFile("a.txt", "a");
  test::AddItem(store, "Work", "a", MakeFileUrl(a));
  std::filesystem::create_directories(files + "/folder");
  ASSERT_TRUE(store.Save());
  const std::vector<std::string> urls = {MakeFileUrl(a), MakeFileUrl(a), MakeFileUrl(files + "/folder"),
                                         MakeFileUrl(files + "/gone.txt"), "https://example.org/b"};
  const auto [planned, done] = PlanThenRun([&](const FilingEnvironment& environment) {
    return DeleteItems(store, urls, true, nullptr, FileRemoval::Permanently, environment);
  });
  EXPECT_EQ(planned, done);
  EXPECT_EQ(done[0], MakeFileUrl(a) + " removed " + std::to_string(static_cast<int>(RemovalOutcome::Deleted)));
}

}  // namespace
}  // namespace ovelin
