#pragma once
// Handing result items to the desktop: opening them, and showing a file in the
// file manager.

#include <QString>
#include <QStringList>

class QObject;

namespace ovelin {

/// Opens an item with the desktop's default handler: a local file by its path,
/// any other address as it is. A missing file is the handler's to report.
bool OpenItem(const QString& url, const QString& localPath);

/// The deepest folder holding every one of the absolute local paths; empty when
/// the list is empty. For one path it is the folder the path is in.
QString CommonFolder(const QStringList& localPaths);

/// Shows the local file selected in the file manager (its FileManager1
/// ShowItems call on the session bus); when that is not possible, opens the
/// folder holding the file. Returns at once; `context` owns the pending call.
void ShowInFileManager(const QString& localPath, QObject* context);

/// Opens a folder in the file manager.
bool OpenFolder(const QString& folder);

}  // namespace ovelin
