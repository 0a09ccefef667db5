#pragma once
// CDlgHintSetName: the pop-up list of set names under the caret of the
// expression field. It never takes the focus; the field drives it.

#include <QListWidget>

#include <optional>

#include "shell/settree/name_completion.h"

namespace ovelin {

class CFileSetStore;

class CDlgHintSetName : public QListWidget {
  Q_OBJECT
 public:
  explicit CDlgHintSetName(CFileSetStore& store, QWidget* parent = nullptr);

  /// Fills the list for the text before the caret and selects the first entry;
  /// false (and an empty list) when there is nothing to propose.
  bool Propose(const QString& textBeforeCaret);
  /// Shows the list with its top left corner at `globalPos`.
  void ShowAt(const QPoint& globalPos);
  /// Moves the selection by `delta` rows, staying inside the list.
  void MoveSelection(int delta);
  /// The text before the caret with the partial word replaced by the selected
  /// entry; the text unchanged when nothing is selected.
  QString CompletedText() const;

 signals:
  /// The user clicked an entry.
  void entryChosen();

 private:
  CFileSetStore& store_;
  QString textBeforeCaret_;
  std::optional<NameProposal> proposal_;
};

}  // namespace ovelin
