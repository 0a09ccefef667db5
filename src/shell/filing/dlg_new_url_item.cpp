#include "shell/filing/dlg_new_url_item.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "filing/url_parts.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/app/widget_labels.h"

namespace ovelin {

CDlgNewUrlItem::CDlgNewUrlItem(QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(this)), url_(new QLineEdit(this)) {
  setWindowTitle(tr("URL项目"));
  auto* form = new QFormLayout;
  form->addRow(MakeBuddyLabel(tr("名称:"), name_, this), name_);
  form->addRow(MakeBuddyLabel(tr("URL:"), url_, this), url_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CDlgNewUrlItem::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
  resize(420, sizeHint().height());
}

QString CDlgNewUrlItem::Name() const { return name_->text(); }

QString CDlgNewUrlItem::Url() const { return url_->text(); }

void CDlgNewUrlItem::accept() {
  if (Name().trimmed().isEmpty()) {
    ShowWarning(this, tr("项目名称不能为空!"));
    return;
  }
  if (!SplitUrl(ToStd(Url()))) {
    ShowWarning(this, tr("请输入合法的Url!"));
    return;
  }
  QDialog::accept();
}

}  // namespace ovelin
