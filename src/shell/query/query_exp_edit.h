#pragma once
// CQueryExpEdit: the expression field. While the user types, a pop-up under the
// caret proposes the set names that fit the word being typed; Enter takes the
// proposal, or runs the query when no pop-up is shown.

#include <QLineEdit>

namespace ovelin {

class CFileSetStore;
class CDlgHintSetName;

class CQueryExpEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit CQueryExpEdit(CFileSetStore& store, QWidget* parent = nullptr);
  ~CQueryExpEdit() override;

  /// Shows a text set by the program (no proposals), caret at its end.
  void SetTextByProgram(const QString& text);
  /// The completion pop-up.
  CDlgHintSetName* Hint() const { return hint_; }

 signals:
  /// Enter without a pop-up: run the query in the fields.
  void runCurrent();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Propose();
  void TakeProposal();

  CDlgHintSetName* hint_;
};

}  // namespace ovelin
