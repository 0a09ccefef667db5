#include "cli/cli_batch.h"

#include <glib.h>
#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <string>

#include "cli/cli_dispatch.h"
#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "filing/archive_journal.h"
#include "filing/journal_resolution.h"

namespace ovelin::cli {
namespace {

using Words = std::vector<std::string>;

struct LineWords {
  Words words;             // empty for a blank or comment line
  bool malformed = false;  // an open quote or a trailing backslash
};

// The words of one line as a POSIX shell splits them, with nothing expanded and
// nothing run: single and double quotes, backslash escapes, '#' comments.
LineWords SplitWords(const std::string& line) {
  gint count = 0;
  gchar** words = nullptr;
  GError* error = nullptr;
  if (!g_shell_parse_argv(line.c_str(), &count, &words, &error)) {
    const bool empty = g_error_matches(error, G_SHELL_ERROR, G_SHELL_ERROR_EMPTY_STRING);
    g_error_free(error);
    return {{}, !empty};
  }
  LineWords split{Words(words, words + count), false};
  g_strfreev(words);
  return split;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// Why a command cannot run inside a batch; None when it can.
MessageId RefusalOf(const std::string& command) {
  if (command == "batch") return MessageId::BatchNoNesting;
  if (command == "init") return MessageId::BatchNoInit;
  if (command == "send") return MessageId::BatchNoSend;
  return MessageId::None;
}

// The first global option among a line's options; empty when it has none.
std::string GlobalOptionIn(const Words& words) {
  for (const std::string& word : words) {
    if (word == "--") break;
    if (word == "--json" || word == "--data-dir" || word.starts_with("--data-dir="))
      return word.substr(0, word.find('='));
  }
  return {};
}

int RunLine(const std::string& line, CliContext& context) {
  const LineWords split = SplitWords(line);
  if (split.malformed) return Report({MessageId::BatchBadQuoting, MessageId::None}, kExitUsage);
  if (split.words.empty()) return kExitOk;
  const Words& words = split.words;
  if (MessageId why = RefusalOf(words[0]); why != MessageId::None) {
    return Report({MessageId::BatchCommandRefused, why, {words[0]}}, kExitUsage);
  }
  if (const std::string option = GlobalOptionIn(words); !option.empty()) {
    return Report({MessageId::BatchGlobalOption, MessageId::None, {option}}, kExitUsage);
  }
  return RunInBatch(words, context);
}

struct BatchRun {
  int exitCode = kExitOk;  // of the first failing line
  bool stopped = false;    // nothing may be saved
};

BatchRun RunLines(const std::string& text, CliContext& context, bool keepGoing) {
  BatchRun run;
  size_t number = 0;
  for (const std::string& line : SplitLines(text)) {
    ++number;
    const int rc = RunLine(line, context);
    std::cout.flush();
    if (rc == kExitOk) continue;
    if (!keepGoing) {
      Report({MessageId::BatchLineStopped, MessageId::None, {std::to_string(number)}}, rc);
      return {rc, true};
    }
    Report({MessageId::BatchLineSkipped, MessageId::None, {std::to_string(number)}}, rc);
    if (run.exitCode == kExitOk) run.exitCode = rc;
  }
  return run;
}

// The journals that the batch's archive lines left behind.
std::vector<std::string> NewJournals(const std::string& folder, const std::vector<std::string>& before) {
  std::vector<std::string> journals = FindArchiveJournals(folder);
  std::erase_if(journals, [&](const std::string& j) { return std::binary_search(before.begin(), before.end(), j); });
  return journals;
}

// Nothing was saved: the files that archive lines moved go back, found from their
// journals against the document as it is on disk. When that cannot be read the
// journals stay, and the next change resolves them.
void MoveArchivedFilesBack(const CliContext& context) {
  CFileSetStore saved;
  if (!saved.Load(context.DataFilePath())) return;
  for (const LeftoverMove& move : ResolveArchiveJournals(saved).moves) {
    if (move.back.empty()) {
      Warn(MessageText(MessageId::ArchivedFileNotMovedBack, {move.path}));
    } else {
      Warn(MessageText(MessageId::BatchFileMovedBack, {move.path, move.back}));
    }
  }
}

int Batch(CliContext& context, const ParsedArgs& args) {
  const std::string& file = args.positionals[0];
  const auto text = ReadInputText(file);
  if (!text) return Report({MessageId::CannotReadFile, MessageId::None, {file}});
  if (int rc = context.BeginBatch(); rc != kExitOk) return rc;
  const std::vector<std::string> before = FindArchiveJournals(context.DataFolder());

  BatchRun run = RunLines(*text, context, args.Has("--keep-going"));
  if (!run.stopped) {
    if (int rc = context.EndBatch(); rc != kExitOk) run = {rc, true};
  }
  const std::vector<std::string> journals = NewJournals(context.DataFolder(), before);
  if (run.stopped) {
    if (!journals.empty()) MoveArchivedFilesBack(context);
    return run.exitCode;
  }
  // Saved: the moves are on record, and their journals have done their work.
  for (const std::string& journal : journals) ::unlink(journal.c_str());
  return run.exitCode;
}

}  // namespace

std::vector<Command> BatchCommands() {
  return {
      {"batch",
       "",
       "[--keep-going] FILE|-",
       "Runs one command per line of FILE (\"-\": stdin) with one lock, one load and one save.",
       {{"--keep-going", false}},
       1,
       1,
       Batch,
       "Each line holds a command as it follows ovelin-cli on the command line, without the\n"
       "global options (--data-dir and --json come from the batch command). Words are split as a\n"
       "shell does, with nothing expanded: '...', \"...\" and backslash escapes; blank lines and\n"
       "comments from # are skipped. The output of each line follows in order.\n"
       "The first failing line stops the batch: its number is reported on stderr, nothing is\n"
       "saved, and the files that archive lines moved go back where they were (files that\n"
       "rm-items lines put in the Trash stay there). With --keep-going failing lines are\n"
       "reported and skipped, the rest is saved, and the exit code is the first failure's.\n"
       "init, send and batch cannot run inside a batch."},
  };
}

}  // namespace ovelin::cli
