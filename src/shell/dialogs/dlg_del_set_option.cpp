#include "shell/dialogs/dlg_del_set_option.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/app/widget_labels.h"

namespace ovelin {

CDlgDelSetOption::CDlgDelSetOption(const QString& setName, QWidget* parent)
    : QDialog(parent), deleteFiles_(new QCheckBox(tr("物理删除删除所包含的文件"), this)) {
  setWindowTitle(tr("删除文件集-\"%1\"").arg(setName));
  deleteFiles_->setAccessibleName(tr("物理删除删除所包含的文件"));
  deleteFiles_->setChecked(false);
  auto* note = Named(new QLabel(tr("（如果该文件项目不再隶属其他文件集）"), this), tr("说明"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(deleteFiles_);
  layout->addWidget(note);
  layout->addWidget(buttons);
}

bool CDlgDelSetOption::DeleteFiles() const { return deleteFiles_->isChecked(); }

}  // namespace ovelin
