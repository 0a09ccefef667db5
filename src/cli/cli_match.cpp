// The match command: asks the content matcher whether one local file or folder
// contains a keyword. It needs no data file.

#include "base/messages.h"
#include "cli/cli_commands.h"
#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "query/content/content_matcher.h"
#include "query/content/lower_case.h"

namespace ovelin::cli {
namespace {

int Match(CliContext& context, const ParsedArgs& args) {
  const std::string keyword = LowerCase(args.positionals[0]);
  // An empty keyword is found in every readable text: it is never a question worth answering.
  if (keyword.empty()) {
    return Fail(kExitUsage, MessageText(MessageId::KeywordEmpty), MessageText(MessageId::UsageHint),
                MessageCode(MessageId::KeywordEmpty));
  }
  const bool found = ContentMatcher().Matches(keyword, AbsolutePath(args.positionals[1]));
  if (context.WantsJson()) {
    PrintJson(Json(found));
  } else {
    PrintLine(found ? "true" : "false");
  }
  return kExitOk;
}

}  // namespace

std::vector<Command> MatchCommands() {
  return {
      {"match",
       "",
       "KEYWORD PATH",
       "Tells whether a local file or folder contains a keyword: true or false.",
       {},
       2,
       2,
       Match,
       "The keyword is lower-cased and looked for in the lower-cased text of the file, read by its extension:\n"
       "txt and xml (by byte-order mark, else UTF-8), html and htm, mht, doc and xls (through catdoc and\n"
       "xls2csv); a path without extension is a folder, which matches when an entry's name or content\n"
       "below it does. Any other extension, and anything that cannot be read, gives false."},
  };
}

}  // namespace ovelin::cli
