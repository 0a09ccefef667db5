#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "content_test_support.h"
#include "query/content/office_text.h"

namespace ovelin {
namespace {

using Clock = std::chrono::steady_clock;
using test::MatchesOnce;
using test::TempDir;
using test::WriteScript;
using test::WriteTextFile;

const std::string kOle2Signature = "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1";

std::string BrokenOle2File(const std::string& path) {
  std::string garbage = kOle2Signature;
  for (int i = 0; i < 4096; ++i) garbage += static_cast<char>((i * 7919) % 251);
  WriteTextFile(path, garbage);
  return path;
}

// Whether the process of that pid (text) is gone or a zombie within five seconds.
bool EndsSoon(const std::string& pid) {
  const std::string statPath = "/proc/" + std::to_string(std::stoi(pid)) + "/stat";
  std::string stat = test::ReadTextFile(statPath);
  for (int i = 0; i < 100 && !stat.empty() && stat.find(") Z") == std::string::npos; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    stat = test::ReadTextFile(statPath);
  }
  return stat.empty() || stat.find(") Z") != std::string::npos;
}

TEST(OfficeReader, FindsWordsInRealDocuments) {
  const std::string doc = test::DataFile("content-sample.doc");
  const std::string xls = test::DataFile("content-sample.xls");
  ContentMatcher matcher(test::TestOptions());
  const struct {
    const std::string& path;
    const char* keyword;
    bool found;
  } cases[] = {
      {doc, "ovelin zebra", true}, {doc, "größe", true},         {doc, "关键字", true},
      {doc, "giraffe", false},     {xls, "striped zebra", true}, {xls, "测试单元格", true},
      {xls, "über", true},         {xls, "alpha", true},         {xls, "\"alpha\"", false},  // cells are not quoted
      {xls, "alpha42", false},  // a keyword does not run across cells
      {xls, "giraffe", false},
  };
  for (const auto& c : cases) EXPECT_EQ(matcher.Matches(c.keyword, c.path), c.found) << c.path << " " << c.keyword;
}

TEST(OfficeReader, BrokenAndForeignFilesDoNotMatch) {
  TempDir dir;
  BrokenOle2File(dir / "broken.doc");
  BrokenOle2File(dir / "broken.xls");
  WriteTextFile(dir / "plain.doc", "this is plain text named like a document");
  WriteTextFile(dir / "short.doc", kOle2Signature.substr(0, 5));
  WriteTextFile(dir / "empty.xls", "");
  for (const char* name : {"broken.doc", "broken.xls", "plain.doc", "short.doc", "empty.xls", "missing.doc"}) {
    EXPECT_FALSE(MatchesOnce("a", dir / name)) << name;
  }
}

TEST(OfficeReader, ConverterRunsOnlyForOle2Files) {
  TempDir dir;
  ContentOptions options = test::TestOptions();
  options.catdoc = WriteScript(dir / "catdoc", "echo keyword\n");
  WriteTextFile(dir / "plain.doc", "keyword");
  BrokenOle2File(dir / "ole.doc");
  EXPECT_FALSE(MatchesOnce("keyword", dir / "plain.doc", options));
  EXPECT_TRUE(MatchesOnce("keyword", dir / "ole.doc", options));
}

TEST(OfficeReader, ConverterFailureOrCrashIsNoMatch) {
  TempDir dir;
  BrokenOle2File(dir / "a.doc");
  const char* bodies[] = {
      "echo keyword; exit 1\n",         // failure status after output
      "echo keyword; kill -SEGV $$\n",  // crash
      "exec /no/such/program\n",        // cannot start the real work
  };
  for (const char* body : bodies) {
    ContentOptions options = test::TestOptions();
    options.catdoc = WriteScript(dir / "catdoc", body);
    EXPECT_FALSE(MatchesOnce("keyword", dir / "a.doc", options)) << body;
  }
  ContentOptions options = test::TestOptions();
  options.catdoc = dir / "not-there";
  EXPECT_FALSE(MatchesOnce("keyword", dir / "a.doc", options));
}

TEST(OfficeReader, HangingConverterIsKilledAtTheLimit) {
  TempDir dir;
  BrokenOle2File(dir / "a.doc");
  // The stand-in leaves a grandchild holding the output pipe: the whole group must go.
  const std::string script =
      WriteScript(dir / "catdoc", "echo run >> " + (dir / "runs") + "\necho keyword\nsleep 30 &\necho $! > " +
                                      (dir / "pid") + "\nwait\n");
  ::setenv("OVELIN_CATDOC", script.c_str(), 1);
  ::setenv("OVELIN_CONVERTER_TIMEOUT_MS", "300", 1);
  ContentMatcher matcher;  // limits from the environment
  ::unsetenv("OVELIN_CATDOC");
  ::unsetenv("OVELIN_CONVERTER_TIMEOUT_MS");
  const auto start = Clock::now();
  EXPECT_FALSE(matcher.Matches("keyword", dir / "a.doc"));
  // Far below the stand-in's 30 s: the limit ended it, not the stand-in itself.
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(20));
  // The failure is remembered for the run: a second keyword does not start the converter again.
  EXPECT_FALSE(matcher.Matches("other", dir / "a.doc"));
  EXPECT_EQ(test::ReadTextFile(dir / "runs"), "run\n");
  const std::string pid = test::ReadTextFile(dir / "pid");
  ASSERT_FALSE(pid.empty());
  EXPECT_TRUE(EndsSoon(pid));  // the grandchild was killed with its group
}

TEST(OfficeReader, OversizedOutputIsNoMatch) {
  TempDir dir;
  BrokenOle2File(dir / "a.xls");
  ContentOptions options = test::TestOptions();
  options.xls2csv = WriteScript(dir / "xls2csv", "echo keyword; exec yes filler\n");
  options.converter.maxOutputBytes = 1 << 16;
  const auto start = Clock::now();
  EXPECT_FALSE(MatchesOnce("keyword", dir / "a.xls", options));
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(20));
}

TEST(OfficeReader, TextIsConvertedOncePerRun) {
  TempDir dir;
  BrokenOle2File(dir / "a.doc");
  ContentOptions options = test::TestOptions();
  options.catdoc = WriteScript(dir / "catdoc", "echo run >> " + (dir / "runs") + "\necho 'Alpha BETA'\n");
  ContentMatcher matcher(options);
  EXPECT_TRUE(matcher.Matches("alpha", dir / "a.doc"));
  EXPECT_TRUE(matcher.Matches("beta", dir / "a.doc"));
  EXPECT_FALSE(matcher.Matches("gamma", dir / "a.doc"));
  EXPECT_EQ(test::ReadTextFile(dir / "runs"), "run\n");
  ContentMatcher nextRun(options);
  EXPECT_TRUE(nextRun.Matches("alpha", dir / "a.doc"));
  EXPECT_EQ(test::ReadTextFile(dir / "runs"), "run\nrun\n");
}

TEST(OfficeReader, ConverterSeesPathsAsFilesNotOptions) {
  TempDir dir;
  ContentOptions options = test::TestOptions();
  options.catdoc = WriteScript(dir / "catdoc", "for a; do last=$a; done; echo \"$last\"\n");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  BrokenOle2File(dir / "-w.doc");
  EXPECT_TRUE(MatchesOnce("./-w.doc", "-w.doc", options));
  std::filesystem::current_path(previous);
}

TEST(RunConverter, StopRequestEndsAWaitingConverter) {
  std::stop_source source;
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    source.request_stop();
  });
  const auto start = Clock::now();
  EXPECT_FALSE(RunConverter({"sleep", "30"}, ConverterLimits{}, source.get_token()).has_value());
  EXPECT_LT(Clock::now() - start, std::chrono::seconds(20));
  stopper.join();
}

TEST(RunConverter, ConverterDiesWithAKilledParent) {
  TempDir dir;
  const std::string pidFile = dir / "pid";
  const pid_t parent = ::fork();
  ASSERT_GE(parent, 0);
  if (parent == 0) {
    RunConverter({"sh", "-c", "echo $$ > '" + pidFile + "'; exec sleep 30"}, ConverterLimits{});
    ::_exit(0);
  }
  std::string pid;
  for (int i = 0; i < 500 && pid.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    pid = test::ReadTextFile(pidFile);
  }
  ::kill(parent, SIGKILL);
  ::waitpid(parent, nullptr, 0);
  ASSERT_FALSE(pid.empty());
  EXPECT_TRUE(EndsSoon(pid));
  ::kill(std::stoi(pid), SIGKILL);  // a survivor must not outlive the test
}

}  // namespace
}  // namespace ovelin
