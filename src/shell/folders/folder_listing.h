#pragma once
// Listing a folder the way file managers show it: hidden (dot) entries left
// out, sub-folders apart from everything else, each group in name order.

#include <QString>
#include <QStringList>

namespace ovelin {

struct FolderListing {
  QStringList folders;  // names of sub-folders (links to folders included)
  QStringList files;    // names of everything else (zip files included)
};

/// The visible entries of a folder; empty when it cannot be read.
FolderListing ListFolder(const QString& folder);

/// The full path of an entry of `folder`.
QString ChildPath(const QString& folder, const QString& name);

}  // namespace ovelin
