#include "shell/settree/dlg_new_child_set.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "shell/app/widget_labels.h"

namespace ovelin {

CDlgNewChildSet::CDlgNewChildSet(QWidget* parent) : QDialog(parent), name_(new QLineEdit(this)) {
  setWindowTitle(tr("新建子文件集"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout;
  form->addRow(MakeBuddyLabel(tr("名称:"), name_, this), name_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

QString CDlgNewChildSet::Name() const { return name_->text(); }

}  // namespace ovelin
