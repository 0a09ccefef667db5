#pragma once
// PropertyTable: the table under the property lists of the set and item
// dialogs. One row per property, cells edited in place; an edit ends when the
// editor loses the focus or the table scrolls, and the cell keeps the text.

#include <QStringList>
#include <QTableWidget>

namespace ovelin {

class PropertyTable : public QTableWidget {
  Q_OBJECT
 public:
  /// A table with these column headers and accessible name.
  PropertyTable(const QStringList& headers, const QString& accessibleName, QWidget* parent = nullptr);
  /// Ends an edit in progress; the cell keeps the typed text.
  void EndEditing();
};

}  // namespace ovelin
