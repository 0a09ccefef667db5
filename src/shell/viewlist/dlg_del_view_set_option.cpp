#include "shell/viewlist/dlg_del_view_set_option.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "shell/app/widget_labels.h"

namespace ovelin {

CDlgDelViewSetOption::CDlgDelViewSetOption(const QString& viewSetName, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("删除文件集-\"%1\"").arg(viewSetName));
  auto* text = Named(new QLabel(tr("确定要删除该视图集吗？"), this), tr("确定要删除该视图集吗"));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(buttons);
}

}  // namespace ovelin
