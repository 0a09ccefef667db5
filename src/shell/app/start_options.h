#pragma once
// Command-line options of the desktop program.

#include <QString>
#include <QStringList>

namespace ovelin {

struct StartOptions {
  /// --data-dir DIR: the data folder (else the environment decides).
  QString dataDir;
  /// --screenshot FILE: save a picture of the main window, then end (not in the help).
  QString screenshotFile;
};

/// Reads the options from the program's arguments (the first is the program);
/// both "--opt VALUE" and "--opt=VALUE" are accepted; anything else is ignored.
StartOptions ParseStartOptions(const QStringList& arguments);

}  // namespace ovelin
