#pragma once
// CNewSetDlg ("文件集属性"): creates a set or edits one: name, parents, store
// path, note and item property definitions.

#include <QDialog>
#include <QString>

#include "shell/dialogs/set_dialog_data.h"

class QComboBox;
class QLineEdit;
class QToolButton;

namespace ovelin {

class CFileSetCheckTreeCtrl;
class CListSetItemProp;

class CNewSetDlg : public QDialog {
  Q_OBJECT
 public:
  /// `editedSet` is the name of the set being edited (empty for a new set); it
  /// never counts as one of its own parents.
  CNewSetDlg(CFileSetStore& store, SetDialogData data, const QString& editedSet = {}, QWidget* parent = nullptr);

  /// The dialog's outputs; with no parent checked the root set is the only parent.
  SetDialogData Result() const;

  /// The parts of the dialog, for the commands that drive it.
  CFileSetCheckTreeCtrl* ParentTree() const { return parentTree_; }
  CListSetItemProp* PropertyList() const { return properties_; }

 public slots:
  /// OK: checks the name; stays open with a message when it is empty or illegal.
  void accept() override;

 signals:
  /// A child set was created inside the dialog's set tree.
  void setCreated(const QString& name);

 private slots:
  void parentsChanged();
  void updatePath();
  void browseFolder();
  void resetDefinitions();

 private:
  QWidget* BuildPathRow();
  QWidget* BuildPropertyGroup();
  NameList CheckedParents() const;
  void RebuildPathEntries();
  void SelectPathEntry(StorePathKind kind, const QString& parentName);

  CFileSetStore& store_;
  QString editedSet_;
  DefinitionList openingDefinitions_;
  CFileSetCheckTreeCtrl* parentTree_;
  QLineEdit* name_;
  QComboBox* pathKind_;
  QLineEdit* path_;
  QToolButton* browse_;
  QLineEdit* note_;
  CListSetItemProp* properties_;
  QString customPath_;
  int shownEntry_ = -1;
};

/// The message for a set name with an illegal character.
QString IllegalSetNameText();

}  // namespace ovelin
