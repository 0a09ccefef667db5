#pragma once
// Items that arrive from outside the wizard: files and folders dropped on the
// query panel, and records handed over by another program.

#include <QList>
#include <QStringList>

#include "filing/pigeonhole_item.h"
#include "shell/app/pipe_message.h"

class QWidget;

namespace ovelin {

/// One record per dropped file; for each folder CDlgAddFileItemOption asks
/// whether it is one item or its files (with its sub-folders' files or not);
/// Cancel skips that folder alone. Paths that no longer exist are skipped.
PigeonholeBatch GatherDroppedPaths(const QStringList& localPaths, QWidget* parent);

/// One record per handed-over record: a local file named by its file name, a
/// local folder as for a drop, any other address under the record's name.
/// Records whose address does not split into scheme and rest are skipped.
PigeonholeBatch GatherHandOverRecords(const QList<PipeRecord>& records, QWidget* parent);

}  // namespace ovelin
