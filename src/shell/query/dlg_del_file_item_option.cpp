#include "shell/query/dlg_del_file_item_option.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/app/widget_labels.h"

namespace ovelin {

CDlgDelFileItemOption::CDlgDelFileItemOption(QWidget* parent)
    : QDialog(parent), deleteFiles_(new QCheckBox(tr("删除对应文件实体"), this)) {
  setWindowTitle(tr("删除文件项目"));
  deleteFiles_->setAccessibleName(tr("删除对应文件实体"));
  deleteFiles_->setChecked(true);
  deleteFiles_->hide();
  auto* question = Named(new QLabel(tr("确定删除选中的项目？"), this), tr("确定删除选中的项目？"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(question);
  layout->addWidget(deleteFiles_);
  layout->addWidget(buttons);
}

bool CDlgDelFileItemOption::DeleteFiles() const { return deleteFiles_->isChecked(); }

}  // namespace ovelin
