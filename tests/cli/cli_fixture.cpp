#include "cli/cli_fixture.h"

#include <algorithm>
#include <sstream>

namespace ovelin::test {

CommandResult CliTest::Cli(const std::vector<std::string>& args, const std::string& input,
                           const std::vector<std::string>& env) const {
  std::vector<std::string> argv = {OVELIN_CLI_PATH, "--data-dir", data_};
  argv.insert(argv.end(), args.begin(), args.end());
  // The home trash lies in the temporary folder, on the file system of the test files.
  std::vector<std::string> environment = env;
  for (std::string entry : {"HOME=" + tmp_.path(), "XDG_DATA_HOME=" + tmp_ / "share"}) {
    const std::string name = entry.substr(0, entry.find('=') + 1);
    const bool given = std::any_of(env.begin(), env.end(), [&](const auto& e) { return e.starts_with(name); });
    if (!given) environment.push_back(entry);
  }
  return RunCommand(argv, input, environment);
}

CommandResult CliTest::CliRaw(const std::vector<std::string>& args, const std::string& input,
                              const std::vector<std::string>& env) {
  std::vector<std::string> argv = {OVELIN_CLI_PATH};
  argv.insert(argv.end(), args.begin(), args.end());
  return RunCommand(argv, input, env);
}

void CliTest::Init() const {
  const auto result = Cli({"init", "--root-path", files_});
  ASSERT_EQ(result.exitCode, 0) << result.err;
}

std::string CliTest::Ok(const std::vector<std::string>& args) const {
  const auto result = Cli(args);
  EXPECT_EQ(result.exitCode, 0) << args[0] << ": " << result.err;
  return result.out;
}

void CliTest::Restore(const std::string& xml) const {
  const std::string file = tmp_ / "restore.xml";
  WriteTextFile(file, xml);
  const auto result = Cli({"restore", file});
  ASSERT_EQ(result.exitCode, 0) << result.err;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string SampleDocument() {
  return R"(<?xml version="1.0"?>
<AllSets Version="1.50">
  <EntitySets RootName="Root">
    <FileSet><Name>Root</Name><StorePath Type="UsrDef">/srv/files</StorePath><Elements/>
      <Childs>Music;Work</Childs><Parents/><ItemPropertys/></FileSet>
    <FileSet><Name>Work</Name><StorePath Type="ExParent">Root</StorePath>
      <Elements>
        <File><Name>report</Name><Path>file:///srv/files/Work/report%202024.txt</Path>
          <Description>yearly</Description>
          <ItemPropertys><Property Name="Year" Value="2024"/></ItemPropertys></File>
      </Elements>
      <Childs/><Parents>Root</Parents>
      <ItemPropertys><Property Name="Year" Type="NUMBER" Min="" Max="" InitValue="0"/></ItemPropertys></FileSet>
    <FileSet><Name>Music</Name><StorePath Type="UsrDef">/srv/music</StorePath>
      <Elements>
        <File><Name>report</Name><Path>file:///srv/files/Work/report%202024.txt</Path>
          <Description>yearly</Description><ItemPropertys/></File>
        <File><Name>site</Name><Path>https://example.org/a</Path><Description/><ItemPropertys/></File>
      </Elements>
      <Childs/><Parents>Root</Parents><ItemPropertys/></FileSet>
  </EntitySets>
  <ViewSetRoot><ViewSet Name="Recent" Expression="Work"/></ViewSetRoot>
  <SysConfig>
    <KeywordsSearch SearchFileContent="true" SearchFileName="true" IncludeAll="true"
      UpLowSensitive="false" WholeWordMatch="false" SearchBelongSet="true"/>
    <Pigeonhole DragDropPigAutoBelong="true"/>
  </SysConfig>
</AllSets>
)";
}

}  // namespace ovelin::test
