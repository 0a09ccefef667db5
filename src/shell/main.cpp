// The desktop program `ovelin`.
#include <unistd.h>

#include <QApplication>
#include <QTextStream>

#include "base/interface_language.h"
#include "shell/app/kiv_app.h"
#include "shell/app/start_options.h"
#include "shell/app/translation.h"
#include "shell/preview/preview_scheme.h"

namespace {

// The engine's settings that must precede the application object. Chromium
// refuses to run as root unless its sandbox is switched off; only then is it
// switched off.
void PrepareWebEngine() {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  ovelin::RegisterPreviewScheme();
  // Screen readers read the preview only when the engine exposes its pages.
  if (!qEnvironmentVariableIsSet("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY")) {
    qputenv("QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY", "1");
  }
  if (::geteuid() != 0) return;
  QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
  if (!flags.contains("--no-sandbox")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", (flags + " --no-sandbox").trimmed());
}

// --help and --version answer on stdout without a window, so they work where no
// display is reachable.
bool AnswerInformationOption(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const ovelin::StartOptions options = ovelin::ParseStartOptions(arguments);
  if (!options.help && !options.version) return false;
  QCoreApplication core(argc, argv);
  ovelin::InstallTranslations(ovelin::InterfaceLanguage());
  QTextStream out(stdout);
  out << (options.help ? ovelin::StartOptionsHelp() : ovelin::VersionLine() + QLatin1Char('\n'));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerInformationOption(argc, argv)) return 0;
  PrepareWebEngine();
  QApplication app(argc, argv);
  ovelin::InstallTranslations(ovelin::InterfaceLanguage());
  ovelin::CKivApp kiv(ovelin::ParseStartOptions(QApplication::arguments()));
  if (!kiv.InitInstance()) return kiv.ExitCode();
  return QApplication::exec();
}
