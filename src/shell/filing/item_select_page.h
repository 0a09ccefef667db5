#pragma once
// CItemSelectPage ("文件选择"): the wizard's first page. The folder tree and
// the chosen folder's contents above the list of items chosen for archiving,
// which also takes web addresses.

#include <QWizardPage>

#include "shell/filing/item_edit_rows.h"

namespace ovelin {

class CFileSelectList;
class CShellFolderContentList;
class CShellFolderTree;

class CItemSelectPage : public QWizardPage {
  Q_OBJECT
 public:
  explicit CItemSelectPage(QWidget* parent = nullptr);

  /// The chosen items as transfer records.
  TransferList Transfers() const;
  /// Refuses to go on without a chosen item.
  bool validatePage() override;

  CShellFolderTree* FolderTree() const { return tree_; }
  CShellFolderContentList* ContentList() const { return contents_; }
  CFileSelectList* SelectList() const { return list_; }

 public slots:
  /// "创建URL项目": asks for a name and an address and adds them.
  void newUrlItem();

 private:
  CShellFolderTree* tree_;
  CShellFolderContentList* contents_;
  CFileSelectList* list_;
};

}  // namespace ovelin
