#pragma once
// Template export and import as the user runs them: the file dialog, the
// filing engine's operation and the result message.

#include <QString>

class QWidget;

namespace ovelin {

class CFileSetStore;

/// True when the filing engine offers templates.
bool TemplatesAvailable();

/// Asks for a "*.tpl" file to write and exports the set `setName` with its
/// subtree (the whole tree for the root set); reports success or failure.
void ExportTemplateInteractive(QWidget* parent, const CFileSetStore& store, const QString& setName);

/// Asks for a "*.tpl" file and merges it into the store; failure is reported to
/// the user. True when a file was chosen: the set tree must then be rebuilt (a
/// merge whose save failed stays in memory).
bool ImportTemplateInteractive(QWidget* parent, CFileSetStore& store);

}  // namespace ovelin
