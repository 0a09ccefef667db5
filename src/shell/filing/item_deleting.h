#pragma once
// Deleting result items on a worker thread while the progress dialog keeps the
// program's windows blocked.

#include <QStringList>

#include <functional>

class QWidget;

namespace ovelin {

class CFileSetStore;

/// Deletes the items of `urls` from every set and the item index, and with
/// `bDelFile` their local files, on a worker thread; the modal progress dialog
/// (owned by `parent`) shows each item and asks about failed file deletions.
/// Returns at once; `done` runs on the interface thread when the data file has
/// been saved. Nothing else may use the store until then.
void StartDeleting(CFileSetStore& store, const QStringList& urls, bool bDelFile, QWidget* parent,
                   std::function<void()> done);

}  // namespace ovelin
