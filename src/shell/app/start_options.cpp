#include "shell/app/start_options.h"

namespace ovelin {
namespace {

// Reads "--name VALUE" or "--name=VALUE" at position i; advances i past a separate value.
bool ReadOption(const QStringList& arguments, qsizetype& i, const QString& name, QString& value) {
  const QString& argument = arguments[i];
  if (argument.startsWith(name + QLatin1Char('='))) {
    value = argument.mid(name.size() + 1);
    return true;
  }
  if (argument != name || i + 1 >= arguments.size()) return false;
  value = arguments[++i];
  return true;
}

}  // namespace

StartOptions ParseStartOptions(const QStringList& arguments) {
  StartOptions options;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (ReadOption(arguments, i, QStringLiteral("--data-dir"), options.dataDir)) continue;
    ReadOption(arguments, i, QStringLiteral("--screenshot"), options.screenshotFile);
  }
  return options;
}

}  // namespace ovelin
