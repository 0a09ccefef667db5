#include "shell/app/start_options.h"

#include <QCoreApplication>

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
    if (arguments[i] == QLatin1String("--help") || arguments[i] == QLatin1String("-h")) options.help = true;
    if (arguments[i] == QLatin1String("--version")) options.version = true;
    if (ReadOption(arguments, i, QStringLiteral("--data-dir"), options.dataDir)) continue;
    ReadOption(arguments, i, QStringLiteral("--screenshot"), options.screenshotFile);
  }
  return options;
}

QString StartOptionsHelp() {
  return QCoreApplication::translate("ovelin::StartOptions",
                                     "用法：ovelin [选项]\n"
                                     "Ovelin 桌面程序：整理文件集、查询、归档和预览。\n"
                                     "\n"
                                     "选项：\n"
                                     "  --data-dir DIR  使用文件夹 DIR 中的数据文件（默认由 OVELIN_DATA_DIR 或\n"
                                     "                  $XDG_DATA_HOME/ovelin 决定）\n"
                                     "  -h, --help      显示本帮助并退出\n"
                                     "  --version       显示版本并退出\n"
                                     "\n"
                                     "命令行程序：ovelin-cli --help\n");
}

QString VersionLine() { return QStringLiteral("ovelin " OVELIN_VERSION); }

}  // namespace ovelin
