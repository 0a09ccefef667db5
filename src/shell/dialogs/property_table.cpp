#include "shell/dialogs/property_table.h"

#include <QHeaderView>
#include <QScrollBar>

namespace ovelin {

PropertyTable::PropertyTable(const QStringList& headers, const QString& accessibleName, QWidget* parent)
    : QTableWidget(0, static_cast<int>(headers.size()), parent) {
  setHorizontalHeaderLabels(headers);
  setAccessibleName(accessibleName);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                  QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  // Scrolling ends an edit in progress, as losing the focus does.
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &PropertyTable::EndEditing);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &PropertyTable::EndEditing);
}

void PropertyTable::EndEditing() {
  if (state() != QAbstractItemView::EditingState) return;
  if (QWidget* editor = indexWidget(currentIndex())) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

}  // namespace ovelin
