#include "shell/settree/dlg_hint_set_name.h"

#include "store/file_set_store.h"

namespace ovelin {

CDlgHintSetName::CDlgHintSetName(CFileSetStore& store, QWidget* parent) : QListWidget(parent), store_(store) {
  setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAccessibleName(tr("文件集名称提示"));
  connect(this, &QListWidget::itemClicked, this, &CDlgHintSetName::entryChosen);
}

bool CDlgHintSetName::Propose(const QString& textBeforeCaret) {
  clear();
  textBeforeCaret_ = textBeforeCaret;
  proposal_ = ProposeSetNames(store_, textBeforeCaret);
  if (!proposal_ || proposal_->entries.isEmpty()) return false;
  addItems(proposal_->entries);
  setCurrentRow(0);
  return true;
}

void CDlgHintSetName::ShowAt(const QPoint& globalPos) {
  const int rows = qMin(count(), 10);
  resize(qMax(sizeHintForColumn(0) + 24, 160), rows * sizeHintForRow(0) + 2 * frameWidth());
  move(globalPos);
  show();
}

void CDlgHintSetName::MoveSelection(int delta) {
  if (count() == 0) return;
  setCurrentRow(qBound(0, currentRow() + delta, count() - 1));
}

QString CDlgHintSetName::CompletedText() const {
  if (!proposal_ || !currentItem()) return textBeforeCaret_;
  return ApplyProposal(textBeforeCaret_, *proposal_, currentItem()->text());
}

}  // namespace ovelin
