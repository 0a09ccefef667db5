#include "shell/filing/item_select_page.h"

#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "shell/app/message_box.h"
#include "shell/filing/dlg_new_url_item.h"
#include "shell/filing/file_select_list.h"
#include "shell/folders/shell_folder_content_list.h"
#include "shell/folders/shell_folder_tree.h"

namespace ovelin {

CItemSelectPage::CItemSelectPage(QWidget* parent)
    : QWizardPage(parent),
      tree_(new CShellFolderTree(this)),
      contents_(new CShellFolderContentList(this)),
      list_(new CFileSelectList(this)) {
  setTitle(tr("文件选择"));
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);  // the page fills the sheet
  auto* newUrl = new QPushButton(tr("创建URL项目"), this);
  auto* remove = new QPushButton(tr("删除选中项目"), this);
  auto* clear = new QPushButton(tr("清空项目列表"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(newUrl);
  buttons->addWidget(remove);
  buttons->addWidget(clear);
  buttons->addStretch();

  auto* lower = new QWidget(this);
  auto* lowerLayout = new QVBoxLayout(lower);
  lowerLayout->setContentsMargins(0, 0, 0, 0);
  lowerLayout->addWidget(list_, 1);
  lowerLayout->addLayout(buttons);
  auto* right = new QSplitter(Qt::Vertical, this);
  right->addWidget(contents_);
  right->addWidget(lower);
  auto* columns = new QSplitter(Qt::Horizontal, this);
  columns->addWidget(tree_);
  columns->addWidget(right);
  columns->setStretchFactor(1, 2);
  for (QSplitter* splitter : {right, columns}) splitter->setChildrenCollapsible(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(columns);

  connect(tree_, &CShellFolderTree::folderSelected, contents_, &CShellFolderContentList::ShowFolder);
  connect(contents_, &CShellFolderContentList::addShellItem, list_,
          [this](const QString& path, int options) { list_->AddShellItem(path, options); });
  connect(newUrl, &QPushButton::clicked, this, &CItemSelectPage::newUrlItem);
  connect(remove, &QPushButton::clicked, list_, &CFileSelectList::RemoveSelected);
  connect(clear, &QPushButton::clicked, list_, &CFileSelectList::ClearAll);
  tree_->SelectPath(QDir::homePath());
}

TransferList CItemSelectPage::Transfers() const { return list_->Transfers(); }

bool CItemSelectPage::validatePage() {
  if (list_->rowCount() > 0) return true;
  ShowWarning(this, tr("请选择需要归档的文件！"));
  return false;
}

void CItemSelectPage::newUrlItem() {
  CDlgNewUrlItem dialog(this);
  if (dialog.exec() == QDialog::Accepted) list_->AddCandidate(dialog.Name(), dialog.Url());
}

}  // namespace ovelin
