#include "shell/filing/dlg_add_file_item_option.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "shell/app/widget_labels.h"

namespace ovelin {
namespace {

constexpr int kWholeFolder = 1;
constexpr int kRecurse = 2;

QCheckBox* MakeCheckBox(const QString& text, QWidget* parent) { return Named(new QCheckBox(text, parent), text); }

}  // namespace

CDlgAddFileItemOption::CDlgAddFileItemOption(const QString& folderDisplayName, QWidget* parent)
    : QDialog(parent),
      whole_(MakeCheckBox(tr("将文件夹作为整体归档"), this)),
      recurse_(MakeCheckBox(tr("递归加入子目录文件项目"), this)) {
  setWindowTitle(tr("文件夹加载-") + folderDisplayName);
  recurse_->setChecked(true);
  connect(whole_, &QCheckBox::toggled, this, &CDlgAddFileItemOption::WholeToggled);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(whole_);
  layout->addWidget(recurse_);
  layout->addWidget(buttons);
}

int CDlgAddFileItemOption::Options() const {
  if (whole_->isChecked()) return kWholeFolder;
  return recurse_->isChecked() ? kRecurse : 0;
}

void CDlgAddFileItemOption::WholeToggled(bool checked) {
  // The folder as one item leaves nothing to recurse into.
  if (checked) recurse_->setChecked(false);
  recurse_->setEnabled(!checked);
}

}  // namespace ovelin
