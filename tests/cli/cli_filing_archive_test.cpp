// archive: moving files into store paths and recording them, from options and from JSON batches.

#include <csignal>
#include <filesystem>
#include <regex>

#include "cli/cli_filing_fixture.h"
#include "store/data_file.h"

namespace ovelin::test {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;
using Strings = std::vector<std::string>;

constexpr const char* kRoot = "我的文档";

std::string Moved(const std::string& from, const std::string& to) { return FileUrl(from) + "\t" + FileUrl(to); }

bool IsFile(const std::string& path) { return fs::is_regular_file(path); }

// One entry of `archive --json`.
Json Entry(const std::string& from, const std::string& to, const Json& sets, const char* status,
           const std::string& reason = "") {
  return Json{{"old", from}, {"new", to}, {"sets", sets}, {"status", status}, {"reason", reason}};
}

using CliArchiveTest = CliFilingTest;

TEST_F(CliArchiveTest, MovesFilesBelowTheBaseFolderAndRecordsThemWithTheirValues) {
  Ok({"set", "add", "Tax", "--parent", "Docs", "--prop", "Year;NUMBER;2000;2100;0"});
  const std::string a = Source("2024/sub/a.txt", "alpha");
  const std::string b = Source("2024/b c.txt", "beta");
  const std::string out = Ok({"archive", "--set", "Tax", "--store-set", "Tax", "--base", src_ + "/2024", "--prop",
                              "Year=2024", "--description", "tax papers", a, b});

  const std::string aNew = docs_ + "/Tax/2024/sub/a.txt";
  const std::string bNew = docs_ + "/Tax/2024/b c.txt";
  EXPECT_EQ(Lines(out), (Strings{Moved(a, aNew), Moved(b, bNew)}));
  EXPECT_EQ(ReadTextFile(aNew), "alpha");
  ExpectEachOnce({"alpha", "beta"});
  EXPECT_EQ(Item(aNew), (Json{{"name", "a.txt"},
                              {"path", FileUrl(aNew)},
                              {"description", "tax papers"},
                              {"sets", {"Tax"}},
                              {"properties", {{"Year", "2024"}}}}));
  EXPECT_EQ(Item(bNew)["name"], "b c.txt");
  EXPECT_TRUE(Item(a).is_null());
  // The data file holds the new URLs only.
  const std::string xml = Ok({"dump"});
  EXPECT_NE(xml.find(FileUrl(bNew)), std::string::npos);
  EXPECT_EQ(xml.find(FileUrl(a)), std::string::npos);
}

TEST_F(CliArchiveTest, BaseAppliesToFileUrlTargetsAsToPaths) {
  const std::string a = Source("2024/sub/a.txt", "alpha");
  const std::string b = Source("2024/sub/b.txt", "beta");
  const std::string out = Ok({"archive", "--store-set", "Docs", "--base", src_ + "/2024", FileUrl(a), b});
  EXPECT_EQ(Lines(out), (Strings{Moved(a, docs_ + "/2024/sub/a.txt"), Moved(b, docs_ + "/2024/sub/b.txt")}));
  // Without --base a file URL keeps only its file name, as a path does.
  const std::string c = Source("2025/sub/c.txt", "gamma");
  EXPECT_EQ(Lines(Ok({"archive", "--store-set", "Docs", FileUrl(c)})), Strings{Moved(c, docs_ + "/c.txt")});
  ExpectEachOnce({"alpha", "beta", "gamma"});
}

TEST_F(CliArchiveTest, ArchiveKilledDuringItsSaveIsUndoneByTheNextChange) {
  Ok({"set", "note", "Docs", std::string(60000, 'n')});  // the data file outgrows the size limit below
  const std::string a = Source("a.txt", "alpha");
  // "ulimit -f" counts 512-byte blocks: the journal fits, the data file does not, and
  // writing past the limit kills the run in the middle of its save.
  const auto killed = RunCommand({"sh", "-c", "ulimit -f 32; exec \"$0\" \"$@\"", OVELIN_CLI_PATH, "--data-dir", data_,
                                  "archive", "--store-set", "Docs", a},
                                 {}, {"HOME=" + tmp_.path()});
  ASSERT_EQ(killed.exitCode, 128 + SIGXFSZ) << killed.err;
  EXPECT_EQ(ReadTextFile(docs_ + "/a.txt"), "alpha");

  const auto next = Cli({"set", "add", "Later"});
  EXPECT_EQ(next.exitCode, 0) << next.err;
  EXPECT_NE(next.err.find("已移回：" + docs_ + "/a.txt -> " + a), std::string::npos) << next.err;
  EXPECT_EQ(ReadTextFile(a), "alpha");
  ExpectEachOnce({"alpha"});
  EXPECT_TRUE(Item(a).is_null());
  EXPECT_EQ(Cli({"set", "add", "Later2"}).err, "");  // resolved once
}

TEST_F(CliArchiveTest, PropertiesWithoutValueTakeTheirInitialValueAndMisfitsAreReported) {
  Ok({"set", "add", "Tax", "--parent", "Docs", "--prop", "Year;NUMBER;2000;2100;2024"});
  Ok({"archive", "--set", "Tax", "https://example.org/form"});
  EXPECT_EQ(Item("https://example.org/form")["sets"], Json({"Tax"}));
  EXPECT_EQ(Item("https://example.org/form")["properties"], Json({{"Year", "2024"}}));

  // An item that fits no set stays where it is, unrecorded, and is reported.
  const std::string old = Source("old.txt", "old");
  const auto misfit = Cli({"archive", "--set", "Tax", "--store-set", "Tax", "--prop", "Year=1800", old});
  EXPECT_EQ(misfit.exitCode, 1);
  EXPECT_EQ(misfit.out, FileUrl(old) + "\t" + FileUrl(old) + "\n");
  EXPECT_NE(misfit.err.find(FileUrl(old) + "：属性Year的值1800低于文件集Tax的下限2000"), std::string::npos)
      << misfit.err;
  EXPECT_TRUE(IsFile(old));
  EXPECT_TRUE(Item(old).is_null());
}

TEST_F(CliArchiveTest, JsonGivesEachItemItsStatusAndReason) {
  WriteTextFile(tmp_ / "blocker", "");  // no folder can be made below a file
  Ok({"set", "add", "Broken", "--path", tmp_ / "blocker/inside"});
  Ok({"set", "add", "Tax", "--parent", "Docs", "--prop", "Year;NUMBER;2000;2100;2024"});
  const std::string moved = Source("moved.txt", "moved");
  const std::string unlisted = Source("unlisted.txt", "unlisted");
  const std::string stuck = Source("stuck.txt", "stuck");
  const std::string web = "https://example.org/form";
  const Json batch = {{{"Url", FileUrl(moved)}, {"PigPathSet", "Docs"}},
                      {{"Url", web}, {"BelongSets", "Tax"}, {"PropValueAry", {"Year;"}}},
                      {{"Url", FileUrl(unlisted)}, {"BelongSets", "Tax"}, {"PigPathSet", "Tax"}},  // no Year
                      {{"Url", FileUrl(stuck)}, {"PigPathSet", "Broken"}}};
  const auto result = Cli({"--json", "archive", "--batch", "-"}, batch.dump());

  EXPECT_EQ(result.exitCode, 1);
  const std::string missing = "缺少属性Year的值，文件集Tax要求它";
  EXPECT_EQ(Json::parse(result.out),
            (Json{Entry(FileUrl(moved), FileUrl(docs_ + "/moved.txt"), {kRoot}, "moved"),
                  Entry(web, web, {"Tax"}, "recorded"),
                  Entry(FileUrl(unlisted), FileUrl(unlisted), Json::array(), "unplaced", missing),
                  Entry(FileUrl(stuck), FileUrl(stuck), {kRoot}, "failed", "移动文件失败:\n" + FileUrl(stuck))}));
  EXPECT_NE(result.err.find(FileUrl(unlisted) + "：" + missing), std::string::npos) << result.err;
  EXPECT_TRUE(Item(unlisted).is_null());
  ExpectEachOnce({"moved", "unlisted", "stuck"});
}

TEST_F(CliArchiveTest, FolderTargetIsWalkedWithRecursiveOrArchivedWhole) {
  const std::string a = Source("dir/a.txt", "alpha");
  const std::string b = Source("dir/sub/deeper/b.txt", "beta");
  Source("other/o.txt", "other");
  fs::create_directory_symlink(src_ + "/other", src_ + "/dir/sub/link");
  const std::string before = DataBytes();
  const auto refused = Cli({"archive", "--store-set", "Docs", src_ + "/dir"});
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_NE(refused.err.find("-r/--recursive"), std::string::npos) << refused.err;
  EXPECT_NE(refused.err.find("--whole"), std::string::npos) << refused.err;
  EXPECT_EQ(DataBytes(), before);

  // The folder is re-created below the store path; the link to a folder inside it is not followed.
  EXPECT_EQ(Lines(Ok({"archive", "-r", "--store-set", "Docs", src_ + "/dir/"})),
            (Strings{Moved(a, docs_ + "/dir/a.txt"), Moved(b, docs_ + "/dir/sub/deeper/b.txt")}));
  EXPECT_EQ(Item(docs_ + "/dir/sub/deeper/b.txt")["name"], "b.txt");
  EXPECT_TRUE(IsFile(src_ + "/other/o.txt"));

  EXPECT_EQ(Ok({"archive", "--whole", "--store-set", "Docs", src_ + "/other"}),
            Moved(src_ + "/other", docs_ + "/other") + "\n");
  EXPECT_EQ(Item(docs_ + "/other")["name"], "other");
  ExpectEachOnce({"alpha", "beta", "other"});
}

TEST_F(CliArchiveTest, DryRunPrintsWhatTheRealRunDoesAndChangesNothing) {
  WriteTextFile(tmp_ / "blocker", "");
  Ok({"set", "add", "Broken", "--path", tmp_ / "blocker/inside"});
  Ok({"set", "add", "Tax", "--parent", "Docs", "--prop", "Year;NUMBER;2000;2100;2024"});
  const std::string x = Source("x/a.txt", "x");
  const std::string y = Source("y/a.txt", "y");
  const Json batch = {
      {{"Url", FileUrl(x)}, {"PigPathSet", "Docs"}},
      {{"Url", FileUrl(y)}, {"PigPathSet", "Docs"}},  // the same name: a stamped one
      {{"Url", FileUrl(Source("stuck.txt", "s"))}, {"PigPathSet", "Broken"}},
      {{"Url", FileUrl(Source("misfit.txt", "m"))}, {"BelongSets", "Tax"}, {"PropValueAry", {"Year;1800"}}}};
  Ok({"set", "list"});  // whatever a command that reads leaves behind
  const auto disk = DiskListing(tmp_.path());
  const std::string before = DataBytes();

  const auto text = Cli({"archive", "--dry-run", "--store-set", "Docs", x});
  EXPECT_EQ(text.out, Moved(x, docs_ + "/a.txt") + "\tmoved\t" + kRoot + "\n");
  const auto planned = Cli({"--json", "archive", "--dry-run", "--batch", "-"}, batch.dump());
  EXPECT_EQ(DiskListing(tmp_.path()), disk);
  EXPECT_EQ(DataBytes(), before);

  const auto done = Cli({"--json", "archive", "--batch", "-"}, batch.dump());
  const std::regex stamp("_20[0-9]{12}");
  EXPECT_EQ(std::regex_replace(planned.out, stamp, "_T"), std::regex_replace(done.out, stamp, "_T"));
  EXPECT_EQ(planned.err, done.err);
  EXPECT_EQ(planned.exitCode, 1);
  EXPECT_EQ(done.exitCode, 1);
  const Json statuses = Json::parse(planned.out);
  EXPECT_EQ(statuses[1]["status"], "moved");
  EXPECT_NE(statuses[0]["new"], statuses[1]["new"]);
  EXPECT_EQ(statuses[2]["status"], "failed");
  EXPECT_EQ(statuses[3]["status"], "unplaced");
}

TEST_F(CliArchiveTest, TakenNameGetsAUtcTimeStampAndNothingIsReplaced) {
  const std::string first = Source("x/a.txt", "first");
  const std::string second = Source("y/a.txt", "second");
  const auto lines = Lines(Ok({"archive", "--store-set", "Docs", first, second}));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], Moved(first, docs_ + "/a.txt"));
  const std::string prefix = FileUrl(second) + "\t" + FileUrl(docs_) + "/a_";
  ASSERT_EQ(lines[1].rfind(prefix, 0), 0u) << lines[1];
  const std::string stamped = lines[1].substr(prefix.size());
  EXPECT_TRUE(std::regex_match(stamped, std::regex("20[0-9]{12}\\.txt"))) << stamped;

  EXPECT_EQ(ReadTextFile(docs_ + "/a.txt"), "first");
  EXPECT_EQ(ReadTextFile(docs_ + "/a_" + stamped), "second");
  ExpectEachOnce({"first", "second"});
  EXPECT_EQ(Item(docs_ + "/a_" + stamped)["sets"], Json{kRoot});
}

TEST_F(CliArchiveTest, BatchFromStdinAndWebAddresses) {
  Ok({"set", "add", "Sub", "--parent", "Docs"});
  const std::string a = Source("deep/a b.txt", "alpha");
  const std::string web = "https://example.org/page?id=1";
  const Json batch = {{{"Name", "Alpha"},
                       {"Description", "first"},
                       {"BelongSets", "Docs;Sub"},
                       {"PigPathSet", "Sub"},
                       {"Url", FileUrl(a)},
                       {"BasePath", src_},
                       {"PropValueAry", Json::array()}},
                      {{"Name", "Example"}, {"Url", web}, {"BelongSets", "Docs"}}};
  const auto result = Cli({"--json", "archive", "--batch", "-"}, batch.dump());
  ASSERT_EQ(result.exitCode, 0) << result.err;

  const std::string aNew = docs_ + "/Sub/src/deep/a b.txt";
  // Of Docs and its child Sub only the more specific Sub holds the item.
  EXPECT_EQ(Json::parse(result.out),
            (Json{Entry(FileUrl(a), FileUrl(aNew), {"Sub"}, "moved"), Entry(web, web, {"Docs"}, "recorded")}));
  EXPECT_EQ(Item(aNew)["name"], "Alpha");
  EXPECT_EQ(Item(web)["name"], "Example");
  ExpectEachOnce({"alpha"});

  // A web address is never moved; archiving it again replaces name and sets.
  EXPECT_EQ(Ok({"archive", "--name", "Renamed", "--set", "Sub", "--store-set", "Docs", web}), web + "\t" + web + "\n");
  EXPECT_EQ(Item(web)["name"], "Renamed");
  EXPECT_EQ(Item(web)["sets"], Json{"Sub"});
}

TEST_F(CliArchiveTest, FailedMoveIsIgnoredOrStopsTheBatch) {
  WriteTextFile(tmp_ / "blocker", "");  // no folder can be made below a file
  Ok({"set", "add", "Broken", "--path", tmp_ / "blocker/inside"});
  for (const bool abort : {false, true}) {
    SCOPED_TRACE(abort ? "abort" : "ignore");
    const std::string tag = abort ? "abort-" : "ignore-";
    const std::string g1 = Source(tag + "g1.txt", tag + "g1");
    const std::string bad = Source(tag + "bad.txt", tag + "bad");
    const std::string g2 = Source(tag + "g2.txt", tag + "g2");
    const Json batch = {{{"Url", FileUrl(g1)}, {"PigPathSet", "Docs"}},
                        {{"Url", FileUrl(bad)}, {"PigPathSet", "Broken"}},
                        {{"Url", FileUrl(g2)}, {"PigPathSet", "Docs"}}};
    const auto result = Cli({"archive", "--on-error", abort ? "abort" : "ignore", "--batch", "-"}, batch.dump());

    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("移动文件失败:\n" + FileUrl(bad)), std::string::npos) << result.err;
    EXPECT_TRUE(IsFile(bad));
    EXPECT_FALSE(Item(docs_ + "/" + tag + "g1.txt").is_null());  // saved also after an abort
    if (abort) {
      EXPECT_EQ(Lines(result.out), Strings{Moved(g1, docs_ + "/" + tag + "g1.txt")});
      EXPECT_TRUE(Item(bad).is_null());
      EXPECT_TRUE(IsFile(g2));
    } else {
      EXPECT_EQ(Lines(result.out), (Strings{Moved(g1, docs_ + "/" + tag + "g1.txt"), Moved(bad, bad),
                                            Moved(g2, docs_ + "/" + tag + "g2.txt")}));
      EXPECT_EQ(Item(bad)["sets"], Json{kRoot});  // still recorded, at its old place
    }
    ExpectEachOnce({tag + "g1", tag + "bad", tag + "g2"});
  }
}

TEST_F(CliArchiveTest, RefusesBadInputBeforeAnythingMoves) {
  const std::string a = Source("a.txt", "alpha");
  const std::string url = FileUrl(a);
  struct Case {
    Strings args;
    std::string input;
    int exitCode;
    std::string message;
  };
  const Strings batch = {"archive", "--batch", "-"};
  const std::vector<Case> cases = {
      {batch, "[{\"Url\": ", 2, "不是有效的 JSON 文档"},
      {batch, "{\"Url\": \"" + url + "\"}", 2, "JSON 数组"},
      {batch, "[\"" + url + "\"]", 2, "第 1 条记录不是 JSON 对象"},
      {batch, "[{\"Url\": \"" + url + "\", \"Nmae\": \"x\"}]", 2, "未知字段\"Nmae\""},
      {batch, "[{\"Url\": \"" + url + "\"}, {\"Name\": \"x\"}]", 2, "第 2 条记录：Url 缺失"},
      {batch, "[{\"Url\": \"" + url + "\", \"PropValueAry\": [\"Year\"]}]", 2, "PropValueAry"},
      {batch, "[{\"Url\": \"" + a + "\"}]", 2, "本地路径"},
      {batch,
       "[{\"Url\": \"" + url +
           "\", \"PigPathSet\": \"Docs\"}, {\"Url\": \"https://x.org/\", \"BelongSets\": \"Docs;Nope\"}]",
       1, "没有名为\"Nope\"的文件集"},
      {{"archive", "--set", "Docs", "--set", "Nope", a}, "", 1, "没有名为\"Nope\"的文件集"},
      {{"archive", "--store-set", "Nope", a}, "", 1, "没有名为\"Nope\"的文件集"},
      {{"archive", "--store-set", "Docs", a, tmp_ / "missing.txt"}, "", 1, "没有这个文件或文件夹"},
      {{"archive", "--on-error", "retry", a}, "", 2, "--on-error"},
      {{"archive", "--prop", "Year", a}, "", 2, "NAME=VALUE"},
      {{"archive", "--set", "Docs", "--prop", "Yaer=2020", a}, "", 1, "没有定义属性\"Yaer\""},
      {{"archive", "--batch", "-", "--store-set", "Docs"}, "[]", 2, "--store-set 作用于 TARGET"},
      {{"archive"}, "", 2, "没有要归档的内容"},
  };
  const std::string before = DataBytes();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input.empty() ? c.args.back() : c.input);
    const auto result = Cli(c.args, c.input);
    EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
    EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(IsFile(a));
    EXPECT_EQ(DataBytes(), before);
  }
}

TEST_F(CliArchiveTest, FilingCommandsTakeTheWriterLock) {
  const std::string a = Source("a.txt", "alpha");
  const std::string tpl = tmp_ / "all.tpl";
  Ok({"template", "export", tpl});
  const std::string before = DataBytes();
  DataFileLock lock;
  ASSERT_EQ(lock.TryAcquire(data_), DataFileLock::Result::Acquired);
  for (const auto& command :
       std::vector<Strings>{{"archive", "--store-set", "Docs", a}, {"rm-items", a}, {"template", "import", tpl}}) {
    SCOPED_TRACE(command[0]);
    const auto result = Cli(command);
    EXPECT_EQ(result.exitCode, 3) << result.err;
  }
  EXPECT_TRUE(IsFile(a));
  EXPECT_EQ(DataBytes(), before);
  // Exporting changes nothing and needs no lock.
  EXPECT_EQ(Cli({"template", "export", tpl}).exitCode, 0);
}

}  // namespace
}  // namespace ovelin::test
