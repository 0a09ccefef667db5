// The main window: pane proportions, routing of global commands, command
// states, query requests and hand-over messages.
#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>

#include "shell/app/command_ids.h"
#include "shell/dialogs/new_set_dlg.h"
#include "shell/mainwindow/main_frame.h"
#include "shell/mainwindow/pane_layout.h"
#include "shell/mainwindow/query_request.h"
#include "shell/settree/entity_tree_view.h"
#include "shell/settree/set_tree_items.h"
#include "shell/viewlist/dlg_view_set_def.h"
#include "shell/viewlist/view_list.h"
#include "shell_test_support.h"
#include "suite_registry.h"

namespace ovelin::test {

namespace {

// Types a full path into a file dialog and closes it with OK. selectFile() is of
// no use here: it leaves the name field alone while the field has the focus.
void TypeFileName(QFileDialog* dialog, const QString& path) {
  dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
  static_cast<QDialog*>(dialog)->done(QDialog::Accepted);
}

}  // namespace

class MainFrameTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<StoreFixture> fixture_;
  std::unique_ptr<CMainFrame> frame_;

 private slots:
  void initTestCase() {
    fixture_ = std::make_unique<StoreFixture>();
    fixture_->AddSet("A", {fixture_->root()});
    fixture_->store().AppendViewSet("v", "A");
    frame_ = std::make_unique<CMainFrame>(fixture_->store());
    frame_->resize(900, 600);
  }
  void cleanupTestCase() {
    frame_.reset();
    fixture_.reset();
  }

  void paneSizesFollowTheClientArea_data() {
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QList<int>>("outer");
    QTest::addColumn<QList<int>>("left");
    QTest::addColumn<QList<int>>("right");
    QTest::newRow("even") << QSize(900, 600) << QList<int>{300, 600} << QList<int>{400, 200} << QList<int>{300, 300};
    QTest::newRow("odd") << QSize(1001, 701) << QList<int>{333, 667} << QList<int>{467, 234} << QList<int>{350, 351};
  }

  void paneSizesFollowTheClientArea() {
    QFETCH(QSize, client);
    const PaneSizes sizes = ComputePaneSizes(client);
    QTEST(sizes.outer, "outer");
    QTEST(sizes.left, "left");
    QTEST(sizes.right, "right");
  }

  void resizingResetsTheProportions() {
    frame_->show();
    QVERIFY(QTest::qWaitForWindowExposed(frame_.get()));
    auto* outer = qobject_cast<QSplitter*>(frame_->centralWidget());
    outer->setSizes({800, 100});  // the user drags the bar
    frame_->resize(1200, 700);
    QTRY_VERIFY(qAbs(outer->sizes()[0] * 2 - outer->sizes()[1]) <= 8);
  }

  void queryRequestsSplitIntoExpressionAndKeywords_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expression");
    QTest::addColumn<QString>("keywords");
    QTest::newRow("name") << "A"
                          << "A"
                          << "";
    QTest::newRow("keywords") << "A+B;报告 2024"
                              << "A+B"
                              << "报告 2024";
    QTest::newRow("empty keywords") << "A;"
                                    << "A"
                                    << "";
    QTest::newRow("extra parts") << "A;k;x"
                                 << "A"
                                 << "k";
  }

  void queryRequestsSplitIntoExpressionAndKeywords() {
    QFETCH(QString, text);
    const QueryRequest request = SplitQueryRequest(text);
    QTEST(request.expression, "expression");
    QTEST(request.keywords, "keywords");
  }

  void deleteIsEnabledByTheActivePanesSelection() {
    QAction* remove = frame_->Action(kCmdDelete);
    CEntityTreeView* tree = frame_->Tree();
    frame_->SetActivePane(CMainFrame::Pane::Tree);
    tree->setCurrentItem(tree->topLevelItem(0));
    QVERIFY(!remove->isEnabled());
    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    QVERIFY(remove->isEnabled());

    CViewList* list = frame_->ViewList();
    list->clearSelection();
    frame_->SetActivePane(CMainFrame::Pane::ViewList);
    QVERIFY(!remove->isEnabled());
    list->setCurrentRow(0);
    QVERIFY(remove->isEnabled());

    frame_->SetActivePane(CMainFrame::Pane::Preview);
    QVERIFY(!remove->isEnabled());
    QVERIFY(!frame_->Action(kCmdNew)->isEnabled());
  }

  void focusMakesAPaneActive() {
    frame_->show();
    frame_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame_.get()));
    frame_->ViewList()->setFocus();
    QTRY_COMPARE(frame_->ActivePane(), CMainFrame::Pane::ViewList);
    frame_->Tree()->setFocus();
    QTRY_COMPARE(frame_->ActivePane(), CMainFrame::Pane::Tree);
  }

  void newGoesToTheActivePane() {
    frame_->SetActivePane(CMainFrame::Pane::ViewList);
    bool viewSetDialog = false;
    OnModal<CDlgViewSetDef>([&viewSetDialog](CDlgViewSetDef* dialog) {
      viewSetDialog = true;
      dialog->reject();
    });
    frame_->Action(kCmdNew)->trigger();
    QVERIFY(viewSetDialog);

    frame_->SetActivePane(CMainFrame::Pane::Tree);
    bool setDialog = false;
    OnModal<CNewSetDlg>([&setDialog](CNewSetDlg* dialog) {
      setDialog = true;
      dialog->reject();
    });
    frame_->Action(kCmdNew)->trigger();
    QVERIFY(setDialog);
  }

  void menusAndToolbarCarryTheCommands() {
    const QList<std::pair<int, QString>> captions{
        {kCmdNew, "新建"},           {kCmdDelete, "删除"},   {kCmdFind, "查找"},
        {kCmdArchive, "归档"},       {kCmdBack, "后退"},     {kCmdForward, "前进"},
        {kCmdRefresh, "刷新"},       {kCmdGuidance, "制导"}, {kCmdExportTemplate, "导出"},
        {kCmdImportTemplate, "导入"}};
    for (const auto& [id, caption] : captions) QCOMPARE(frame_->Action(id)->iconText(), caption);
    QCOMPARE(frame_->Action(kCmdNew)->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(frame_->Action(kCmdExit)->shortcut(), QKeySequence("Ctrl+E"));
    QCOMPARE(frame_->Action(kCmdFind)->shortcut(), QKeySequence("Ctrl+F"));
    QCOMPARE(frame_->Action(kCmdRefresh)->shortcut(), QKeySequence(Qt::Key_F5));
    QCOMPARE(frame_->Action(kCmdHelp)->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(frame_->windowTitle(), QString("Ovelin(Ovelin)"));
    QVERIFY(frame_->Action(kCmdArchive)->isEnabled());
  }

  void handOverWaitsWhileADialogIsOpen() {
    QSignalSpy spy(frame_.get(), &CMainFrame::pipeDataReceived);
    const QByteArray body = EncodePipeRecords({{"a", "file:///tmp/a"}});
    frame_->hide();
    frame_->onPipeMessage(body);
    QVERIFY(frame_->isVisible());
    QTRY_COMPARE(spy.count(), 1);

    QDialog dialog(frame_.get());
    OnModal<QDialog>([this, &body, &spy](QDialog* open) {
      frame_->onPipeMessage(body);
      QTest::qWait(400);
      QCOMPARE(spy.count(), 1);  // kept, not dropped, while the dialog is open
      open->reject();
    });
    dialog.exec();
    QTRY_COMPARE(spy.count(), 2);
    QVERIFY(frame_->isVisible());
  }

  void templateExportAndImportGoThroughFileDialogs() {
    TempDir folder;
    const QString path = QString::fromStdString(folder / "whole");  // the default suffix is added
    OnModal<QFileDialog>([path](QFileDialog* dialog) { TypeFileName(dialog, path); });
    QString message;
    AnswerNextMessage(&message);
    frame_->Action(kCmdExportTemplate)->trigger();
    QCOMPARE(message, QString("模板导出成功!"));
    QVERIFY(QFileInfo::exists(path + ".tpl"));

    fixture_->store().DeleteFileSet("A", false);
    frame_->Tree()->Rebuild();
    QVERIFY(ItemsNamed(frame_->Tree(), "A").isEmpty());
    OnModal<QFileDialog>([path](QFileDialog* dialog) { TypeFileName(dialog, path + ".tpl"); });
    frame_->Action(kCmdImportTemplate)->trigger();
    QCOMPARE(ItemsNamed(frame_->Tree(), "A").size(), 1);
    QVERIFY(fixture_->ReloadFromDisk()->FindFileSet("A"));
  }

  void closingWithoutATrayEndsTheProgram() {
    QVERIFY(!frame_->HasTrayIcon());  // offscreen has no notification area
    QCloseEvent event;
    QApplication::sendEvent(frame_.get(), &event);
    QVERIFY(event.isAccepted());
  }
};

OVELIN_SHELL_SUITE("MainFrame", MainFrameTest)

}  // namespace ovelin::test

#include "main_frame_test.moc"
