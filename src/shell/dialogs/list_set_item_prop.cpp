#include "shell/dialogs/list_set_item_prop.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QStyledItemDelegate>

#include "base/messages.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "store/name_list.h"

namespace ovelin {
namespace {

enum Column { kInherited = 0, kName, kType, kMin, kMax, kInit, kColumnCount };

// The cells of the "继承" and "属性类型" columns, read back when the rows are.
QString YesText() { return QCoreApplication::translate("ovelin::CListSetItemProp", "是"); }
QString NoText() { return QCoreApplication::translate("ovelin::CListSetItemProp", "否"); }
QString NumberText() { return QCoreApplication::translate("ovelin::CListSetItemProp", "数字"); }
QString StringText() { return QCoreApplication::translate("ovelin::CListSetItemProp", "字符串"); }

// Column 2 is edited with a drop-down of the two type names; every other
// editable column with the default line edit.
class TypeColumnDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    if (index.column() != kType) return QStyledItemDelegate::createEditor(parent, option, index);
    auto* combo = new QComboBox(parent);
    combo->addItems({NumberText(), StringText()});
    combo->setAccessibleName(QCoreApplication::translate("ovelin::CListSetItemProp", "属性类型"));
    return combo;
  }

  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
      combo->setCurrentIndex(index.data().toString() == NumberText() ? 0 : 1);
      return;
    }
    QStyledItemDelegate::setEditorData(editor, index);
  }

  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) {
      model->setData(index, combo->currentText());
      return;
    }
    QStyledItemDelegate::setModelData(editor, model, index);
  }
};

bool HasIllegalCharacter(const QString& text) {
  const std::string name = ToStd(text);
  return name.find_first_of(kIllegalNameCharacters) != std::string::npos;
}

}  // namespace

QString IllegalPropertyNameText() { return ToQ(MessageText(MessageId::PropertyNameIllegal)); }

CListSetItemProp::CListSetItemProp(QWidget* parent)
    : PropertyTable({tr("继承"), tr("属性名称"), tr("属性类型"), tr("最小值"), tr("最大值"), tr("初始值")},
                    tr("所属项目属性"), parent) {
  setItemDelegate(new TypeColumnDelegate(this));
  connect(this, &QTableWidget::itemChanged, this, &CListSetItemProp::checkEditedName);
}

void CListSetItemProp::Load(const DefinitionList& definitions) {
  loaded_ = definitions;
  filling_ = true;
  setRowCount(0);
  for (const auto& definition : definitions) AppendRow(definition);
  filling_ = false;
}

void CListSetItemProp::AppendRow(const PropertyDefinition& definition) {
  const bool inherited = definition.origin != kOriginSelf;
  const int row = rowCount();
  insertRow(row);
  const QStringList cells{inherited ? YesText() : NoText(),
                          ToQ(definition.name),
                          definition.type == "NUMBER" ? NumberText() : StringText(),
                          ToQ(definition.min),
                          ToQ(definition.max),
                          ToQ(definition.initValue)};
  for (int column = 0; column < kColumnCount; ++column) {
    auto* item = new QTableWidgetItem(cells[column]);
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!inherited && column != kInherited) flags |= Qt::ItemIsEditable;
    item->setFlags(flags);
    setItem(row, column, item);
  }
}

QString CListSetItemProp::Cell(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
  return cell ? cell->text() : QString();
}

DefinitionList CListSetItemProp::Definitions() const {
  DefinitionList list;
  for (int row = 0; row < rowCount(); ++row) {
    PropertyDefinition definition;
    definition.name = ToStd(Cell(row, kName));
    definition.type = Cell(row, kType) == NumberText() ? "NUMBER" : "STRING";
    definition.min = ToStd(Cell(row, kMin));
    definition.max = ToStd(Cell(row, kMax));
    definition.initValue = ToStd(Cell(row, kInit));
    definition.origin = std::string(Cell(row, kInherited) == YesText() ? kOriginParent : kOriginSelf);
    list.push_back(std::move(definition));
  }
  return list;
}

void CListSetItemProp::AddRow() {
  EndEditing();
  filling_ = true;
  AppendRow({"", "STRING", "", "", "", std::string(kOriginSelf)});
  filling_ = false;
  const int row = rowCount() - 1;
  setFocus();
  setCurrentCell(row, kName);
  editItem(item(row, kName));
}

void CListSetItemProp::RemoveSelectedRow() {
  const int row = currentRow();
  if (row < 0 || Cell(row, kInherited) == YesText()) return;
  removeRow(row);
}

void CListSetItemProp::checkEditedName(QTableWidgetItem* item) {
  if (filling_ || item->column() != kName) return;
  // The name stays as typed; the user is only warned.
  if (HasIllegalCharacter(item->text())) ShowWarning(this, IllegalPropertyNameText());
}

}  // namespace ovelin
