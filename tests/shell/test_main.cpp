// Runs the shell's QtTest suites: all of them, or the one named by the first argument.
#include <unistd.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "base/interface_language.h"
#include "shell/app/translation.h"
#include "shell/preview/preview_scheme.h"
#include "suite_registry.h"

namespace ovelin::test {

std::map<std::string, SuiteFactory>& Suites() {
  static std::map<std::string, SuiteFactory> suites;
  return suites;
}

namespace {

// A dialog that no test answers would block the run until ctest gives up;
// it is closed after a while instead, so that the test fails where it stands.
void WatchForStuckDialogs() {
  auto* timer = new QTimer(qApp);
  auto* since = new QElapsedTimer;
  auto* watched = new QPointer<QWidget>;
  QObject::connect(timer, &QTimer::timeout, [since, watched] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal != *watched) {
      *watched = modal;
      since->restart();
      return;
    }
    if (!modal || since->elapsed() < 15000) return;
    qWarning("closing a dialog nobody answered: %s \"%s\"", modal->metaObject()->className(),
             qPrintable(modal->windowTitle()));
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
  });
  timer->start(500);
}

}  // namespace

}  // namespace ovelin::test

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  ovelin::RegisterPreviewScheme();
  if (::geteuid() == 0) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("OVELIN_MACHINE_ID")) qputenv("OVELIN_MACHINE_ID", "0a1b2c3d4e5f");
  // Deleted files go to a trash of the test run's own, not the user's.
  QTemporaryDir dataHome;
  if (dataHome.isValid()) qputenv("XDG_DATA_HOME", dataHome.path().toUtf8());
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  ovelin::InstallTranslations(ovelin::InterfaceLanguage());
  ovelin::test::WatchForStuckDialogs();

  QStringList arguments = QApplication::arguments();
  std::string only;
  if (arguments.size() > 1 && ovelin::test::Suites().count(arguments[1].toStdString())) {
    only = arguments[1].toStdString();
    arguments.removeAt(1);
  }
  int failures = 0;
  for (const auto& [name, factory] : ovelin::test::Suites()) {
    if (!only.empty() && name != only) continue;
    std::unique_ptr<QObject> suite = factory();
    failures += QTest::qExec(suite.get(), arguments);
  }
  return failures == 0 ? 0 : 1;
}
