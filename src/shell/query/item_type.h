#pragma once
// The type name and icon of a result item, as the file manager would show them.

#include <QIcon>
#include <QString>

namespace ovelin {

/// The type text of items that are not local files.
QString HyperlinkTypeText();
/// The type text of group rows.
QString GroupTypeText();

struct ItemType {
  QString text;      // the description of the file's MIME type ("文件夹" style)
  QString mimeName;  // the MIME type's name; the key of its icon
};

/// The type of a local file, found from its name alone (a name without extension
/// is looked at on disk to tell a folder).
ItemType LocalFileType(const QString& localPath);

/// The icon of a MIME type, from the icon theme or the style; cached.
QIcon MimeTypeIcon(const QString& mimeName);

/// The icon of items that are not local files.
QIcon HyperlinkIcon();

}  // namespace ovelin
