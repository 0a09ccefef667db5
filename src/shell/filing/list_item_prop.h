#pragma once
// CListItemProp: the property values of the selected wizard rows, one row per
// property. Only the value column is edited; the list tells its page when an
// edit begins and ends, so that the page can hold its item list still meanwhile.

#include <string>
#include <vector>

#include "shell/dialogs/property_table.h"

namespace ovelin {

class CListItemProp : public PropertyTable {
  Q_OBJECT
 public:
  explicit CListItemProp(QWidget* parent = nullptr);

  /// Shows the "name;value" entries, one row each.
  void Load(const std::vector<std::string>& values);
  /// The rows as "name;value" entries, in row order.
  std::vector<std::string> Values() const;

 signals:
  /// A value cell is being edited.
  void editBegin();
  /// The edit ended and the cell holds the new text.
  void editEnd();

 private:
  class ValueDelegate;
};

}  // namespace ovelin
