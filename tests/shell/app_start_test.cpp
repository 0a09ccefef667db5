// Start-up of the desktop program on temporary data folders.
#include <QDir>
#include <QFileInfo>
#include <QTest>

#include "shell/app/kiv_app.h"
#include "shell/app/qt_text.h"
#include "shell/mainwindow/main_frame.h"
#include "shell_test_support.h"
#include "store/data_file.h"
#include "suite_registry.h"

namespace ovelin::test {

class StartupTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> runtime_;
  std::unique_ptr<TempDir> data_;

  StartOptions Options(const std::string& folder) const { return {ToQ(folder), {}}; }

 private slots:
  void init() {
    runtime_ = std::make_unique<TempDir>();
    data_ = std::make_unique<TempDir>();
    qputenv("XDG_RUNTIME_DIR", runtime_->path().c_str());
  }
  void cleanup() {
    data_.reset();
    runtime_.reset();
  }

  void firstStartWritesTheLibraryAsksForTheRootPathAndBacksUp() {
    const std::string folder = *data_ / "new-library";
    CKivApp app(Options(folder));
    QString question;
    AnswerNextMessage(&question, QMessageBox::Yes);
    QVERIFY(app.InitInstance());

    const std::string defaultPath = DefaultRootStorePath();
    QVERIFY(question.startsWith("采用系统缺省设置的根文件集(“我的文档”)的归档路径吗？"));
    QVERIFY(question.endsWith(ToQ(defaultPath)));
    const std::string file = folder + "/AllSets.db";
    CFileSetStore disk;
    QVERIFY(disk.Load(file));
    const StorePath root = disk.GetStorePath(disk.GetRootName());
    QCOMPARE(root.kind, StorePathKind::UsrDef);
    QCOMPARE(root.text, defaultPath);
    QCOMPARE(ReadTextFile(file + ".bak"), ReadTextFile(file));
    QCOMPARE(QFileInfo(ToQ(folder)).permissions() & (QFileDevice::ReadOther | QFileDevice::ReadGroup),
             QFileDevice::Permissions());
    QVERIFY(app.MainFrame() && app.MainFrame()->isVisible());
    QCOMPARE(app.MainFrame()->windowTitle(), QString("Ovelin(Ovelin)"));
  }

  void unreadableLibraryIsLeftAsItIs() {
    const std::string file = *data_ / "AllSets.db";
    WriteTextFile(file, "not an enciphered document");
    CKivApp app(Options(data_->path()));
    QString message;
    AnswerNextMessage(&message);
    QVERIFY(!app.InitInstance());
    QCOMPARE(message, QString("装载数据库失败!"));
    QCOMPARE(app.ExitCode(), 1);
    QCOMPARE(ReadTextFile(file), std::string("not an enciphered document"));
    QVERIFY(!QFileInfo::exists(ToQ(file + ".bak")));
    QVERIFY(!app.MainFrame());
  }

  void anotherWriterStopsTheStart() {
    StoreFixture library;
    DataFileLock other;
    QCOMPARE(other.TryAcquire(library.folder()), DataFileLock::Result::Acquired);
    const std::string before = ReadTextFile(library.dataFile());
    CKivApp app(Options(library.folder()));
    QString message;
    AnswerNextMessage(&message);
    QVERIFY(!app.InitInstance());
    QVERIFY(message.contains("ovelin-cli"));
    QCOMPARE(ReadTextFile(library.dataFile()), before);
  }

  void laterStartRefreshesTheBackupWithoutAsking() {
    StoreFixture library;
    WriteTextFile(library.dataFile() + ".bak", "old backup");
    CKivApp app(Options(library.folder()));
    QVERIFY(app.InitInstance());  // a question box would block here
    QCOMPARE(ReadTextFile(library.dataFile() + ".bak"), ReadTextFile(library.dataFile()));
  }
};

OVELIN_SHELL_SUITE("Startup", StartupTest)

}  // namespace ovelin::test

#include "app_start_test.moc"
