#include "shell/filing/list_item_prop.h"

#include <QCoreApplication>
#include <QStyledItemDelegate>

#include "shell/app/qt_text.h"
#include "shell/filing/item_edit_rows.h"
#include "store/file_item.h"

namespace ovelin {
namespace {

enum Column { kName = 0, kValue };

// A value where the selected rows differ, as the table shows it.
QString DifferingValueText() { return QCoreApplication::translate("ovelin::CListItemProp", "~不相同~"); }

QString ShownValue(std::string_view value) {
  return value == kDifferingValue ? DifferingValueText() : ToQ(std::string(value));
}

std::string StoredValue(const QString& text) {
  return text == DifferingValueText() ? std::string(kDifferingValue) : ToStd(text);
}

}  // namespace

// Reports the start and the end of every edit to the list.
class CListItemProp::ValueDelegate : public QStyledItemDelegate {
 public:
  explicit ValueDelegate(CListItemProp* list) : QStyledItemDelegate(list), list_(list) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    editor->setAccessibleName(QCoreApplication::translate("ovelin::CListItemProp", "属性值"));
    emit list_->editBegin();
    return editor;
  }

  void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
    QStyledItemDelegate::destroyEditor(editor, index);
    emit list_->editEnd();
  }

 private:
  CListItemProp* list_;
};

CListItemProp::CListItemProp(QWidget* parent)
    : PropertyTable({tr("属性名称"), tr("属性值")}, tr("文件项目属性"), parent) {
  setItemDelegate(new ValueDelegate(this));
}

void CListItemProp::Load(const std::vector<std::string>& values) {
  EndEditing();
  setRowCount(0);
  for (const auto& entry : values) {
    const int row = rowCount();
    insertRow(row);
    auto* name = new QTableWidgetItem(ToQ(std::string(PropertyEntryName(entry))));
    name->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    auto* value = new QTableWidgetItem(ShownValue(PropertyEntryValue(entry).value_or("")));
    value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    setItem(row, kName, name);
    setItem(row, kValue, value);
  }
}

std::vector<std::string> CListItemProp::Values() const {
  std::vector<std::string> values;
  for (int row = 0; row < rowCount(); ++row) {
    values.push_back(ToStd(item(row, kName)->text()) + ";" + StoredValue(item(row, kValue)->text()));
  }
  return values;
}

}  // namespace ovelin
