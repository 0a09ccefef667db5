#pragma once
// The program's icons (16 x 16 pictures, with greyed variants where the
// toolbar shows a separate disabled picture).

#include <QIcon>

namespace ovelin {

enum class IconId {
  Application,
  New,
  Delete,
  Find,
  Archive,
  Back,
  Forward,
  Refresh,
  Guidance,
  Export,
  Import,
  FileSet,
  RootSet,
  ViewSet,
  And,
  Or,
  Except,
};

/// The icon; Delete, Back, Forward and Refresh carry their own disabled picture.
QIcon AppIcon(IconId id);

}  // namespace ovelin
