#include "shell/viewlist/dlg_view_set_def.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "shell/app/widget_labels.h"

namespace ovelin {

CDlgViewSetDef::CDlgViewSetDef(const QString& name, const QString& expression, QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(name, this)), expression_(new QLineEdit(expression, this)) {
  setWindowTitle(tr("视图集"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout;
  form->addRow(MakeBuddyLabel(tr("名称:"), name_, this), name_);
  form->addRow(MakeBuddyLabel(tr("表达式:"), expression_, this), expression_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  resize(420, sizeHint().height());
}

QString CDlgViewSetDef::Name() const { return name_->text(); }

QString CDlgViewSetDef::Expression() const { return expression_->text(); }

}  // namespace ovelin
