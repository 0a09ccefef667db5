#pragma once
// CItemBelongPage ("文件归档"): the wizard's filing page. The set tree with
// check boxes beside the item list; below it the move options (store-path set,
// base folder, destination), the descriptions and the property values of the
// selected items. On Finish the rows become the archiving batch.

#include <QWizardPage>

#include "filing/pigeonhole_item.h"
#include "shell/filing/item_edit_rows.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace ovelin {

class CFileSetStore;
class CFileSetCheckTreeCtrl;
class CItemEditList;
class CListItemProp;

class CItemBelongPage : public QWizardPage {
  Q_OBJECT
 public:
  explicit CItemBelongPage(CFileSetStore& store, QWidget* parent = nullptr);

  /// The items the page is filled with when it is shown.
  void SetTransfers(TransferList transfers) { transfers_ = std::move(transfers); }
  /// Fills the item list from the transfer records and selects the first row.
  void initializePage() override;
  /// Finish: builds the batch; stays when an item has no name or a file is gone.
  bool validatePage() override;
  /// The batch built by the last successful Finish.
  const PigeonholeBatch& Batch() const { return batch_; }

  CFileSetCheckTreeCtrl* SetTree() const { return tree_; }
  CItemEditList* ItemList() const { return list_; }
  QComboBox* PigPathSetBox() const { return pigPathSet_; }
  QLineEdit* BasePathField() const { return basePath_; }
  QLineEdit* DestinationField() const { return destination_; }
  CListItemProp* PropertyList() const { return properties_; }

 public slots:
  /// Shows the merged state of the selected rows in every control.
  void refreshControls();
  /// "...": chooses the base folder of the selected rows.
  void chooseBaseFolder();
  /// "编辑项目描述信息": edits the selected rows' descriptions.
  void editDescriptions();

 signals:
  /// A set was created in the page's set tree.
  void setCreated(const QString& name);

 private slots:
  void setChecked(const QString& name, bool checked);
  void pigPathSetChosen(int index);
  void valuesEdited();

 private:
  QWidget* BuildMoveOptions();
  void RefreshMoveOptions();
  void RefreshPaths();
  bool DropVanishedFiles();

  CFileSetStore& store_;
  TransferList transfers_;
  PigeonholeBatch batch_;
  CFileSetCheckTreeCtrl* tree_;
  CItemEditList* list_;
  QComboBox* pigPathSet_;
  QLineEdit* basePath_;
  QToolButton* browse_;
  QLineEdit* destination_;
  QPushButton* descriptions_;
  CListItemProp* properties_;
};

}  // namespace ovelin
