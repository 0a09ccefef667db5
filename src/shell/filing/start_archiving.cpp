#include "shell/filing/start_archiving.h"

#include <QCoreApplication>
#include <QStringList>

#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/filing/filing_worker.h"

namespace ovelin {
namespace {

constexpr int kMaxListedItems = 20;

}  // namespace

QString UnplacedItemsText(const ArchiveResult& result) {
  QStringList lines;
  for (const ArchivedItem& item : result.items) {
    if (item.status != ArchiveStatus::Unplaced) continue;
    lines.append(ToQ(item.oldUrl) + QStringLiteral("\n    ") + ToQ(item.reason));
  }
  if (lines.isEmpty()) return {};
  const qsizetype total = lines.size();
  if (total > kMaxListedItems) lines.resize(kMaxListedItems);
  QString text = QCoreApplication::translate("ovelin::StartArchiving",
                                             "以下项目的属性值不符合任何所选文件集的要求，既没有移动也没有记录：\n") +
                 lines.join(QLatin1Char('\n'));
  if (total > kMaxListedItems)
    text += QCoreApplication::translate("ovelin::StartArchiving", "\n……（共%1个）").arg(total);
  return text;
}

void StartArchiving(CFileSetStore& store, PigeonholeBatch batch, QWidget* parent,
                    std::function<void(const ArchiveResult&)> done) {
  RunOnFilingWorker<ArchiveResult>(
      parent,
      [&store, batch = std::move(batch)](IFilingProgress& progress) { return Archive(store, batch, &progress); },
      [parent, done = std::move(done)](ArchiveResult result) {
        if (!result.saved) ShowError(parent, SaveFailedText());
        if (const QString unplaced = UnplacedItemsText(result); !unplaced.isEmpty()) ShowWarning(parent, unplaced);
        if (done) done(result);
      });
}

}  // namespace ovelin
