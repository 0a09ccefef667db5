#include "filing/delete_items.h"

#include "filing/touched_sets.h"
#include "filing/url_parts.h"

namespace ovelin {
namespace {

RemovalResult RemoveOnce(const std::string& local, FileRemoval removal, const FilingEnvironment& environment) {
  return removal == FileRemoval::Trash ? environment.trash(local) : DeleteForGood(local);
}

// Removes the local file, asking on failure; false when the user chose Abort.
bool RemoveFileOfUrl(const std::string& url, FileRemoval removal, const FilingEnvironment& environment,
                     IFilingProgress* progress, DeletedItem& done) {
  const auto local = LocalPathOfUrl(url);
  if (!local) return true;
  while (true) {
    done.file = RemoveOnce(*local, removal, environment);
    if (done.file->Gone()) return true;
    const ErrorChoice choice = progress ? progress->Error(kDeleteFailedMessage + url) : ErrorChoice::Ignore;
    if (choice == ErrorChoice::Abort) return false;
    if (choice == ErrorChoice::Ignore) return true;
  }
}

}  // namespace

DeleteResult DeleteItems(CFileSetStore& store, const std::vector<std::string>& urls, bool bDelFile,
                         IFilingProgress* progress, FileRemoval removal, const FilingEnvironment& environment) {
  DeleteResult result;
  if (progress && !urls.empty()) progress->Start(urls.size());
  TouchedSets touched;

  for (const std::string& url : urls) {
    DeletedItem done{url, false, std::nullopt};
    const CFileItem known = store.FindItemByPath(url);
    if (!known.GetPath().empty()) {
      if (progress) progress->Item({known.GetName(), {}, {}, {}, url, {}, {}});
      done.recordRemoved = RemoveItemRecord(store, touched, url);
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
  result.saved = environment.save(store) != SaveOutcome::Failed;
  return result;
}

}  // namespace ovelin
