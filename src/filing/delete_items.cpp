#include "filing/delete_items.h"

#include <set>

#include "base/messages.h"
#include "filing/touched_sets.h"
#include "filing/url_parts.h"

namespace ovelin {
namespace {

RemovalResult RemoveOnce(const std::string& local, FileRemoval removal, const FilingEnvironment& environment) {
  return removal == FileRemoval::Trash ? environment.trash(local) : environment.deleteForGood(local);
}

// Removes the local file, asking on failure; false when the user chose Abort.
bool RemoveFileOfUrl(const std::string& url, FileRemoval removal, const FilingEnvironment& environment,
                     IFilingProgress* progress, DeletedItem& done) {
  const auto local = LocalPathOfUrl(url);
  if (!local) return true;
  while (true) {
    done.file = RemoveOnce(*local, removal, environment);
    if (done.file->Gone()) return true;
    const std::string message = MessageText(MessageId::DeleteFailed, {url});
    const ErrorChoice choice = progress ? progress->Error(message) : ErrorChoice::Ignore;
    if (choice == ErrorChoice::Abort) return false;
    if (choice == ErrorChoice::Ignore) return true;
  }
}

// Removes the record of `url`; a dry run only notes it in `planned`. True when
// there was one (not yet removed by this run).
bool RemoveRecord(CFileSetStore& store, TouchedSets& touched, const std::string& url, bool dryRun,
                  std::set<std::string>& planned) {
  if (!dryRun) return RemoveItemRecord(store, touched, url);
  return planned.insert(url).second;
}

}  // namespace

DeleteResult DeleteItems(CFileSetStore& store, const std::vector<std::string>& urls, bool bDelFile,
                         IFilingProgress* progress, FileRemoval removal, const FilingEnvironment& environment) {
  DeleteResult result;
  if (progress && !urls.empty()) progress->Start(urls.size());
  TouchedSets touched;
  std::set<std::string> planned;  // the records a dry run would have removed

  for (const std::string& url : urls) {
    DeletedItem done{url, false, std::nullopt};
    const CFileItem known = store.FindItemByPath(url);
    if (!known.GetPath().empty() && planned.count(url) == 0) {
      if (progress) progress->Item({known.GetName(), {}, {}, {}, url, {}, {}});
      done.recordRemoved = RemoveRecord(store, touched, url, environment.dryRun, planned);
    }
    const bool goOn = !bDelFile || RemoveFileOfUrl(url, removal, environment, progress, done);
    result.items.push_back(std::move(done));
    if (!goOn) {
      result.aborted = true;
      break;
    }
  }

  touched.WriteAll(store);
  if (progress) progress->Finish();
  if (environment.dryRun) return result;
  result.saved = environment.save(store) != SaveOutcome::Failed;
  return result;
}

}  // namespace ovelin
