#include "shell/filing/item_des_sheet.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "shell/app/qt_text.h"

namespace ovelin {

CItemDesPage::CItemDesPage(const std::string& description, QWidget* parent)
    : QWidget(parent), editor_(new QPlainTextEdit(this)) {
  editor_->setAccessibleName(tr("项目描述"));
  editor_->setPlainText(ToQ(DescriptionForEditing(description)));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(editor_);
}

std::string CItemDesPage::Description() const { return DescriptionForStoring(ToStd(editor_->toPlainText())); }

CItemDesSheet::CItemDesSheet(std::vector<ItemDesInfoType> items, QWidget* parent)
    : QDialog(parent), items_(std::move(items)), tabs_(new QTabWidget(this)) {
  setWindowTitle(tr("项目描述信息"));
  tabs_->setUsesScrollButtons(true);
  for (const auto& item : items_) tabs_->addTab(new CItemDesPage(item.description, tabs_), ToQ(item.name));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_, 1);
  layout->addWidget(buttons);
  resize(480, 320);
}

std::vector<ItemDesInfoType> CItemDesSheet::Items() const {
  std::vector<ItemDesInfoType> items = items_;
  for (size_t i = 0; i < items.size(); ++i) items[i].description = Page(static_cast<int>(i))->Description();
  return items;
}

CItemDesPage* CItemDesSheet::Page(int index) const { return qobject_cast<CItemDesPage*>(tabs_->widget(index)); }

}  // namespace ovelin
