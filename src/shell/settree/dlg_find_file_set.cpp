#include "shell/settree/dlg_find_file_set.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "shell/app/widget_labels.h"

namespace ovelin {

CDlgFindFileSet::CDlgFindFileSet(const QString& lastText, QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(lastText, this)) {
  setWindowTitle(tr("实体文件集查找"));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* findNext = buttons->addButton(tr("查找下一个(&F)"), QDialogButtonBox::AcceptRole);
  findNext->setAccessibleName(tr("查找下一个"));
  findNext->setDefault(true);
  QPushButton* cancel = buttons->addButton(tr("取消"), QDialogButtonBox::RejectRole);
  cancel->setAccessibleName(tr("取消"));
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgFindFileSet::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* form = new QFormLayout;
  form->addRow(MakeBuddyLabel(tr("名称:"), name_, this), name_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  name_->selectAll();
}

QString CDlgFindFileSet::Text() const { return name_->text().trimmed(); }

void CDlgFindFileSet::accept() {
  if (name_->text().isEmpty()) return;
  QDialog::accept();
}

}  // namespace ovelin
