#include "filing/delete_items.h"

#include <unistd.h>

#include "filing/touched_sets.h"
#include "filing/url_parts.h"

namespace ovelin {
namespace {

// Deletes the local file, asking on failure; false when the user chose Abort.
bool DeleteLocalFile(const std::string& url, IFilingProgress* progress, DeletedItem& done) {
  const auto local = LocalPathOfUrl(url);
  if (!local) return true;
  while (true) {
    if (::unlink(local->c_str()) == 0) {
      done.fileDeleted = true;
      return true;
    }
    const ErrorChoice choice = progress ? progress->Error(kDeleteFailedMessage + url) : ErrorChoice::Ignore;
    if (choice == ErrorChoice::Abort) return false;
    if (choice == ErrorChoice::Ignore) return true;
  }
}

}  // namespace

DeleteResult DeleteItems(CFileSetStore& store, const std::vector<std::string>& urls, bool bDelFile,
                         IFilingProgress* progress) {
  DeleteResult result;
  if (progress && !urls.empty()) progress->Start(urls.size());
  TouchedSets touched;

  for (const std::string& url : urls) {
    DeletedItem done{url};
    const CFileItem known = store.FindItemByPath(url);
    if (!known.GetPath().empty()) {
      if (progress) progress->Item({known.GetName(), {}, {}, {}, url, {}, {}});
      done.recordRemoved = RemoveItemRecord(store, touched, url);
    }
    const bool goOn = !bDelFile || DeleteLocalFile(url, progress, done);
    result.items.push_back(std::move(done));
    if (!goOn) {
      result.aborted = true;
      break;
    }
  }

  touched.WriteAll(store);
  if (progress) progress->Finish();
  result.saved = store.Save();
  return result;
}

}  // namespace ovelin
