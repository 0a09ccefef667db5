#include "shell/filing/item_deleting.h"

#include <string>
#include <vector>

#include "filing/delete_items.h"
#include "shell/app/qt_text.h"
#include "shell/filing/filing_worker.h"

namespace ovelin {

void StartDeleting(CFileSetStore& store, const QStringList& urls, bool bDelFile, QWidget* parent,
                   std::function<void()> done) {
  std::vector<std::string> list;
  for (const QString& url : urls) list.push_back(ToStd(url));
  RunOnFilingWorker<DeleteResult>(
      parent,
      [&store, list = std::move(list), bDelFile](IFilingProgress& progress) {
        return DeleteItems(store, list, bDelFile, &progress);
      },
      [done = std::move(done)](DeleteResult) {
        if (done) done();
      });
}

}  // namespace ovelin
