// The benchmark's helpers: options, figures, the memory probe's reading, and
// that each floor does the same job as the store operation it stands beside.

#include <gtest/gtest.h>

#include <ostream>

#include "bench/command_line.h"
#include "bench/floor_operations.h"
#include "bench/memory_probe.h"
#include "bench/result_table.h"
#include "bench/sample_library.h"
#include "bench/stopwatch.h"
#include "store/file_set_store.h"
#include "store/machine_identifier.h"
#include "support/test_support.h"

namespace ovelin {
namespace {

struct ArgsCase {
  std::vector<std::string> args;
  CommandLineKind kind;
  bool ok;
  int sets;
  int items;
  uint64_t seed;
  int repeat;
};

// Names the case in test listings by its arguments.
void PrintTo(const ArgsCase& c, std::ostream* out) {
  *out << (c.kind == CommandLineKind::Generator ? "gen" : "bench");
  for (const auto& arg : c.args) *out << " " << arg;
}

class CommandLineTest : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(CommandLineTest, ReadsOrRefuses) {
  const ArgsCase c = GetParam();
  CommandLine out;
  std::string error;
  ASSERT_EQ(ParseCommandLine(c.args, c.kind, out, error), c.ok) << error;
  if (!c.ok) {
    EXPECT_FALSE(error.empty());
    return;
  }
  EXPECT_EQ(out.library.sets, c.sets);
  EXPECT_EQ(out.library.items, c.items);
  EXPECT_EQ(out.library.seed, c.seed);
  EXPECT_EQ(out.repeat, c.repeat);
}

constexpr auto kGen = CommandLineKind::Generator;
constexpr auto kBench = CommandLineKind::Bench;

INSTANTIATE_TEST_SUITE_P(
    Cases, CommandLineTest,
    ::testing::Values(
        ArgsCase{{}, kBench, true, 1000, 100000, 1, 3},
        ArgsCase{{"--sets", "50", "--items=2000", "--repeat", "5"}, kBench, true, 50, 2000, 1, 5},
        ArgsCase{{"out.db", "--seed", "18446744073709551615"}, kGen, true, 1000, 100000, 18446744073709551615ULL, 3},
        ArgsCase{{"--sets", "0", "--items", "0"}, kBench, true, 0, 0, 1, 3},
        ArgsCase{{"--sets", "-1"}, kBench, false, 0, 0, 0, 0}, ArgsCase{{"--items", "12x"}, kBench, false, 0, 0, 0, 0},
        ArgsCase{{"--items", ""}, kBench, false, 0, 0, 0, 0},
        ArgsCase{{"--sets", "99999999999"}, kBench, false, 0, 0, 0, 0},
        ArgsCase{{"--repeat", "0"}, kBench, false, 0, 0, 0, 0}, ArgsCase{{"--repeat", "2"}, kGen, false, 0, 0, 0, 0},
        ArgsCase{{"--force"}, kBench, false, 0, 0, 0, 0}, ArgsCase{{"--sets"}, kBench, false, 0, 0, 0, 0},
        ArgsCase{{"--bogus", "1"}, kGen, false, 0, 0, 0, 0}));

TEST(CommandLine, KeepsPositionalArgumentsAndFlags) {
  CommandLine out;
  std::string error;
  ASSERT_TRUE(ParseCommandLine({"a.db", "--force", "-h"}, kGen, out, error));
  EXPECT_EQ(out.positional, std::vector<std::string>{"a.db"});
  EXPECT_TRUE(out.force);
  EXPECT_TRUE(out.help);
}

TEST(ResultTable, RatioAndFigures) {
  EXPECT_EQ(FormatRatio(112.0, 100.0), "x1.12");
  EXPECT_EQ(FormatRatio(50.0, 200.0), "x0.25");
  EXPECT_EQ(FormatRatio(1.0, 0.0), "-");
  EXPECT_EQ(FormatRatio(std::nullopt, 1.0), "-");
  EXPECT_EQ(FormatRatio(1.0, std::nullopt), "-");
  EXPECT_EQ(FormatFigure(1234.56, BenchUnit::Milliseconds, true), "1234.6 ms");
  EXPECT_EQ(FormatFigure(std::nullopt, BenchUnit::Mebibytes, true), "failed");
  EXPECT_EQ(FormatFigure(std::nullopt, BenchUnit::Mebibytes, false), "-");
}

TEST(ResultTable, RightAlignsFiguresUnderTheirHeadings) {
  BenchRow measured = NewRow("Load", "floor text");
  measured.value = 10;
  measured.floor = 5;
  const BenchRow failed = NewRow("a much longer label", "");
  const std::string table = FormatTable({measured, failed});
  const size_t firstEnd = table.find('\n');
  const size_t secondEnd = table.find('\n', firstEnd + 1);
  const std::string heading = table.substr(0, firstEnd);
  const std::string row = table.substr(firstEnd + 1, secondEnd - firstEnd - 1);
  EXPECT_EQ(heading.find("ratio"), row.find("x2.00"));
  EXPECT_EQ(heading.find("floor") + 5, row.find(" ms", row.find("5.0")) + 3);
  EXPECT_NE(table.find("failed", secondEnd), std::string::npos);
}

TEST(Median, OddEvenAndEmpty) {
  EXPECT_DOUBLE_EQ(Median({3, 1, 2}), 2);
  EXPECT_DOUBLE_EQ(Median({4, 1, 3, 2}), 2.5);
  EXPECT_DOUBLE_EQ(Median({}), 0);
}

TEST(MemoryProbe, ReadsPeakResidentSize) {
  EXPECT_EQ(ParsePeakResidentKiB("Name:\tx\nVmPeak:\t  9000 kB\nVmHWM:\t   5120 kB\nVmRSS:\t 10 kB\n"), 5120);
  EXPECT_EQ(ParsePeakResidentKiB("VmRSS:\t 10 kB\n"), std::nullopt);
  EXPECT_EQ(ParsePeakResidentKiB("VmHWM:\t kB\n"), std::nullopt);
}

// The floors are only meaningful when they produce what the store produces.
class FloorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SampleLibraryOptions options;
    options.sets = 40;
    options.items = 800;
    ASSERT_TRUE(WriteSampleLibrary(options, path_));
    key_ = DataFileKeyMaterial(GetMachineIdentifier());
  }
  test::TempDir dir_;
  std::string path_ = dir_ / "AllSets.db";
  Bytes key_;
};

TEST_F(FloorTest, ReadAllItemsMatchesTheRootSetTree) {
  pugi::xml_document doc;
  ASSERT_TRUE(FloorLoad(path_, key_, doc));
  CFileSetStore store;
  ASSERT_TRUE(store.Load(path_));
  const ItemList floor = FloorReadAllItems(doc);
  const auto tree = store.ReadSetTreeItems(store.GetRootName());
  ASSERT_TRUE(tree);
  ASSERT_EQ(floor.size(), tree->size());
  for (size_t i = 0; i < floor.size(); ++i) {
    EXPECT_EQ(floor[i].GetPath(), (*tree)[i].GetPath());
    EXPECT_EQ(floor[i].GetOwningSets(), (*tree)[i].GetOwningSets());
  }
}

TEST_F(FloorTest, SaveWritesADataFileTheStoreLoads) {
  pugi::xml_document doc;
  ASSERT_TRUE(FloorLoad(path_, key_, doc));
  const std::string copy = dir_ / "copy.db";
  ASSERT_TRUE(FloorSave(doc, key_, copy));
  CFileSetStore original, saved;
  ASSERT_TRUE(original.Load(path_));
  ASSERT_TRUE(saved.Load(copy));
  EXPECT_EQ(saved.GetXml(false), original.GetXml(false));
}

TEST_F(FloorTest, LoadFailsOnAnotherKey) {
  pugi::xml_document doc;
  EXPECT_FALSE(FloorLoad(path_, DataFileKeyMaterial(HexToBytes("010203040506")), doc));
  EXPECT_FALSE(FloorLoad(dir_ / "missing.db", key_, doc));
}

TEST(GenLibraryProgram, RefusesToReplaceAFileWithoutForce) {
  test::TempDir dir;
  const std::string out = dir / "AllSets.db";
  test::WriteTextFile(out, "precious");
  const std::vector<std::string> args = {OVELIN_GEN_LIBRARY_PATH, out, "--sets", "5", "--items", "20"};
  const auto refused = test::RunCommand(args);
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("--force"), std::string::npos);
  EXPECT_EQ(test::ReadTextFile(out), "precious");

  auto forced = args;
  forced.push_back("--force");
  const auto written = test::RunCommand(forced);
  ASSERT_EQ(written.exitCode, 0) << written.err;
  CFileSetStore store;
  ASSERT_TRUE(store.Load(out));
  EXPECT_EQ(store.GetRootItems().size(), 20u);

  EXPECT_EQ(test::RunCommand({OVELIN_GEN_LIBRARY_PATH, out, "--sets", "x"}).exitCode, 2);
  EXPECT_EQ(test::RunCommand({OVELIN_GEN_LIBRARY_PATH}).exitCode, 2);
}

TEST(BenchProgram, SmallRunPrintsEveryRowMeasured) {
  const auto run = test::RunCommand({OVELIN_BENCH_PATH, "--sets", "8", "--items", "60", "--repeat", "1"});
  ASSERT_EQ(run.exitCode, 0) << run.err;
  for (const char* label : {"Load", "Save", "ReadSetTreeItems(root)", "peak memory", "data file size"}) {
    EXPECT_NE(run.out.find(label), std::string::npos) << label;
  }
  EXPECT_NE(run.out.find("60 items"), std::string::npos);
  EXPECT_EQ(run.out.find("failed"), std::string::npos);
  EXPECT_EQ(run.out.find("the floor found"), std::string::npos);
}

}  // namespace
}  // namespace ovelin
