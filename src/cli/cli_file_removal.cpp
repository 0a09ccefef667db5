#include "cli/cli_file_removal.h"

#include "base/messages.h"
#include "cli/cli_output.h"
#include "filing/delete_items.h"
#include "filing/url_parts.h"

namespace ovelin::cli {

FileRemoval RemovalOf(const ParsedArgs& args) {
  return args.Has(kPermanentlyOption) ? FileRemoval::Permanently : FileRemoval::Trash;
}

void ReportKeptFile(const std::string& url, const RemovalResult& result) {
  Warn(MessageText(MessageId::DeleteFailed, {url}));
  if (result.outcome == RemovalOutcome::NoTrash) {
    Warn(MessageText(MessageId::FileKeptNoTrash, {result.error, kPermanentlyOption}));
    return;
  }
  Warn(MessageText(MessageId::FileKept, {result.error}));
}

bool RemoveFilesOfUrls(const std::vector<std::string>& urls, FileRemoval how) {
  bool allGone = true;
  for (const std::string& url : urls) {
    const auto local = LocalPathOfUrl(url);
    if (!local) continue;
    const RemovalResult result = RemoveLocalFile(*local, how);
    if (result.Gone()) continue;
    ReportKeptFile(url, result);
    allGone = false;
  }
  return allGone;
}

}  // namespace ovelin::cli
