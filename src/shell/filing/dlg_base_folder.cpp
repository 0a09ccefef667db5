#include "shell/filing/dlg_base_folder.h"

#include <QDialogButtonBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "filing/url_parts.h"
#include "shell/app/qt_text.h"

namespace ovelin {
namespace {

int DepthOf(const QTreeWidgetItem* item) {
  int depth = 0;
  for (const QTreeWidgetItem* at = item->parent(); at; at = at->parent()) ++depth;
  return depth;
}

}  // namespace

CDlgBaseFolder::CDlgBaseFolder(const QString& basePath, QWidget* parent)
    : QDialog(parent), tree_(new QTreeWidget(this)) {
  setWindowTitle(tr("基准文件夹选择"));
  tree_->setHeaderHidden(true);
  tree_->setAccessibleName(tr("基准文件夹"));
  // The empty piece before the leading "/" is the top of the file system.
  QTreeWidgetItem* last = new QTreeWidgetItem(tree_, QStringList{QStringLiteral("/")});
  for (const auto& piece : SplitPathPieces(ToStd(basePath))) {
    if (piece.empty()) continue;
    last = new QTreeWidgetItem(last, QStringList{ToQ(piece)});
  }
  tree_->expandAll();
  tree_->setCurrentItem(last);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_, 1);
  layout->addWidget(buttons);
  resize(360, 320);
}

QString CDlgBaseFolder::Path() const {
  const QTreeWidgetItem* selected = tree_->currentItem();
  if (!selected) return {};
  QStringList pieces;
  for (const QTreeWidgetItem* at = selected; at->parent(); at = at->parent()) pieces.prepend(at->text(0));
  return QStringLiteral("/") + pieces.join(QLatin1Char('/'));
}

void CDlgBaseFolder::SelectDepth(int depth) {
  QTreeWidgetItem* at = tree_->topLevelItem(0);
  while (at && DepthOf(at) < depth && at->childCount() > 0) at = at->child(0);
  if (at) tree_->setCurrentItem(at);
}

}  // namespace ovelin
