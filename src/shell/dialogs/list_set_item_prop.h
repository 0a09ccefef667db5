#pragma once
// CListSetItemProp: the item property definitions of a set as an editable table.
// Inherited rows are read-only; own rows are edited in place.

#include "shell/dialogs/property_table.h"

#include "store/property_definition.h"

namespace ovelin {

class CListSetItemProp : public PropertyTable {
  Q_OBJECT
 public:
  explicit CListSetItemProp(QWidget* parent = nullptr);

  /// Shows the definitions, one row each, and keeps a copy of them.
  void Load(const DefinitionList& definitions);
  /// The copy kept by the last Load.
  const DefinitionList& Loaded() const { return loaded_; }
  /// The rows read back as definitions ("数字" -> NUMBER, "是" -> Parent).
  DefinitionList Definitions() const;
  /// "新增": appends an own row, selects it and starts editing its name.
  void AddRow();
  /// "删除": removes the selected row unless it is inherited.
  void RemoveSelectedRow();

 private slots:
  void checkEditedName(QTableWidgetItem* item);

 private:
  void AppendRow(const PropertyDefinition& definition);
  QString Cell(int row, int column) const;

  DefinitionList loaded_;
  bool filling_ = false;
};

/// The message shown when a property name holds a character of the name rule.
QString IllegalPropertyNameText();

}  // namespace ovelin
