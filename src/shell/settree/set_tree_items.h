#pragma once
// Building and walking trees of set names (the set trees and the guidance
// dialog's tree). An item's text is always the set's name.

#include <QList>
#include <QString>

#include <string>

class QEvent;
class QTreeWidget;
class QTreeWidgetItem;

namespace ovelin {

class CFileSetStore;

/// Inserts a child of that name under `parent`, before its first child whose
/// name is not smaller in name order.
QTreeWidgetItem* InsertChildSorted(QTreeWidgetItem* parent, const QString& name);

/// Appends a child of that name under `parent`.
QTreeWidgetItem* AppendChild(QTreeWidgetItem* parent, const QString& name);

/// Every item of the tree whose text is `name`, in display order.
QList<QTreeWidgetItem*> ItemsNamed(const QTreeWidget* tree, const QString& name);

/// The item after `item` in display order (an item, its children, then its next
/// sibling); null after the last one.
QTreeWidgetItem* NextInDisplayOrder(const QTreeWidgetItem* item);

/// The first item after `start` whose text contains `text` ignoring letter case;
/// null when no later item matches (the walk does not wrap around).
QTreeWidgetItem* FindNextContaining(const QTreeWidgetItem* start, const QString& text);

/// Selects and shows the first item after the current one (or the first item)
/// whose text contains `text`; tells the user and returns false when there is none.
bool SelectNextContaining(QTreeWidget* tree, const QString& text);

/// True when `ancestor` is the parent of `item` or a further ancestor.
bool IsAncestorOf(const QTreeWidgetItem* ancestor, const QTreeWidgetItem* item);

/// Expands every ancestor of `item`.
void ExpandAncestors(QTreeWidgetItem* item);

/// A set's note as a tooltip: at most 79 characters; a longer note is cut and
/// ends with "…".
QString NoteTooltip(const std::string& note);

/// Handles a tooltip event of a set tree's viewport: shows the note of the set
/// under the mouse, or hides the tooltip when it has none.
void ShowNoteTooltip(QTreeWidget* tree, const CFileSetStore& store, QEvent* event);

}  // namespace ovelin
