#pragma once
// Archiving a batch from the window: the engine on a worker thread behind the
// progress dialog, then what the user must hear about the run.

#include <QString>

#include <functional>

#include "filing/archive_engine.h"
#include "filing/pigeonhole_item.h"

class QWidget;

namespace ovelin {

class CFileSetStore;

/// Archives the batch on a worker thread; the modal progress dialog (owned by
/// `parent`) shows each item and asks Abort, Retry or Ignore after a failed
/// move. Returns at once. When the run has ended (and the data file was
/// saved) the user is told of items that no set took and of a failed save,
/// then `done` runs on the interface thread. Nothing else may use the store
/// until then.
void StartArchiving(CFileSetStore& store, PigeonholeBatch batch, QWidget* parent,
                    std::function<void(const ArchiveResult&)> done);

/// The text that tells the user which items no set took and why; empty when
/// every item found its sets.
QString UnplacedItemsText(const ArchiveResult& result);

}  // namespace ovelin
