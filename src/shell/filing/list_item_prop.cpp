#include "shell/filing/list_item_prop.h"

#include <QStyledItemDelegate>

#include "shell/app/qt_text.h"
#include "store/file_item.h"

namespace ovelin {
namespace {

enum Column { kName = 0, kValue };

}  // namespace

// Reports the start and the end of every edit to the list.
class CListItemProp::ValueDelegate : public QStyledItemDelegate {
 public:
  explicit ValueDelegate(CListItemProp* list) : QStyledItemDelegate(list), list_(list) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
    editor->setAccessibleName(QStringLiteral("属性值"));
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
    : PropertyTable({QStringLiteral("属性名称"), QStringLiteral("属性值")}, QStringLiteral("文件项目属性"), parent) {
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
    auto* value = new QTableWidgetItem(ToQ(std::string(PropertyEntryValue(entry).value_or(""))));
    value->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    setItem(row, kName, name);
    setItem(row, kValue, value);
  }
}

std::vector<std::string> CListItemProp::Values() const {
  std::vector<std::string> values;
  for (int row = 0; row < rowCount(); ++row) {
    values.push_back(ToStd(item(row, kName)->text()) + ";" + ToStd(item(row, kValue)->text()));
  }
  return values;
}

}  // namespace ovelin
