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
  /// --help or -h: print the options and end.
  bool help = false;
  /// --version: print the program name and version and end.
  bool version = false;
};

/// Reads the options from the program's arguments (the first is the program);
/// both "--opt VALUE" and "--opt=VALUE" are accepted; anything else is ignored.
StartOptions ParseStartOptions(const QStringList& arguments);

/// The text of --help, in the interface language (needs the application object
/// and the translators).
QString StartOptionsHelp();

/// The line of --version: program name and version.
QString VersionLine();

}  // namespace ovelin
