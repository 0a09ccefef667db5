#include "shell/query/query_exp_edit.h"

#include <QKeyEvent>

#include "shell/settree/dlg_hint_set_name.h"

namespace ovelin {

CQueryExpEdit::CQueryExpEdit(CFileSetStore& store, QWidget* parent)
    : QLineEdit(parent), hint_(new CDlgHintSetName(store, this)) {
  // textEdited comes from the user's changes only, never from setText.
  connect(this, &QLineEdit::textEdited, this, &CQueryExpEdit::Propose);
  connect(hint_, &CDlgHintSetName::entryChosen, this, &CQueryExpEdit::TakeProposal);
}

CQueryExpEdit::~CQueryExpEdit() = default;

void CQueryExpEdit::SetTextByProgram(const QString& text) {
  hint_->hide();
  setText(text);
  setCursorPosition(static_cast<int>(text.size()));
}

void CQueryExpEdit::Propose() {
  const QString before = text().left(cursorPosition());
  if (before.isEmpty() || !hint_->Propose(before)) {
    hint_->hide();
    return;
  }
  hint_->ShowAt(mapToGlobal(cursorRect().bottomLeft()));
}

void CQueryExpEdit::TakeProposal() {
  const QString completed = hint_->CompletedText();
  const QString after = text().mid(cursorPosition());
  hint_->hide();
  setText(completed + after);
  setCursorPosition(static_cast<int>(completed.size()));
  setFocus();
}

void CQueryExpEdit::keyPressEvent(QKeyEvent* event) {
  const bool shown = hint_->isVisible();
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
      if (!shown) break;
      hint_->MoveSelection(event->key() == Qt::Key_Up ? -1 : 1);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (shown)
        TakeProposal();
      else
        emit runCurrent();
      return;
    case Qt::Key_Escape:
      if (!shown) break;
      hint_->hide();
      return;
    default:
      break;
  }
  QLineEdit::keyPressEvent(event);
}

void CQueryExpEdit::focusOutEvent(QFocusEvent* event) {
  // The pop-up never takes the focus, so losing it always closes the pop-up.
  hint_->hide();
  QLineEdit::focusOutEvent(event);
}

void CQueryExpEdit::hideEvent(QHideEvent* event) {
  hint_->hide();
  QLineEdit::hideEvent(event);
}

}  // namespace ovelin
