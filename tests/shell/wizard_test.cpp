// Filing from the window, driven through the real widgets: the archiving
// wizard in both modes from choice to Finish, its checks, the run behind the
// progress dialog with Abort/Retry/Ignore, drops on the query panel and
// hand-overs from `ovelin-cli send`. Every test that moves files checks that
// each source's bytes exist exactly once.
#include <QAbstractButton>
#include <QComboBox>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <filesystem>

#include "filing/url_parts.h"
#include "shell/app/instance_server.h"
#include "shell/app/qt_text.h"
#include "shell/filing/dlg_add_file_item_option.h"
#include "shell/filing/dlg_base_folder.h"
#include "shell/filing/dlg_new_url_item.h"
#include "shell/filing/dlg_pigeonhole_process.h"
#include "shell/filing/file_select_list.h"
#include "shell/filing/item_belong_page.h"
#include "shell/filing/item_des_sheet.h"
#include "shell/filing/item_edit_list.h"
#include "shell/filing/item_select_page.h"
#include "shell/filing/list_item_prop.h"
#include "shell/filing/pigeonhole_sheet.h"
#include "shell/filing/start_archiving.h"
#include "shell/folders/shell_folder_content_list.h"
#include "shell/folders/shell_folder_tree.h"
#include "shell/mainwindow/main_frame.h"
#include "shell/query/query_res_list.h"
#include "shell/query/right_view.h"
#include "shell/settings/config_copy.h"
#include "shell/settree/file_set_check_tree_ctrl.h"
#include "shell/settree/set_tree_items.h"
#include "shell_test_support.h"
#include "suite_registry.h"

namespace ovelin::test {
namespace {

namespace fs = std::filesystem;

const PropertyDefinition kYear{"Year", "NUMBER", "2000", "2100", "2020", "Self"};

// Answers the next message boxes in turn with these buttons, recording their texts.
void AnswerMessages(QStringList* texts, QList<QMessageBox::StandardButton> buttons) {
  if (buttons.isEmpty()) return;
  const QMessageBox::StandardButton button = buttons.takeFirst();
  OnModal<QMessageBox>([texts, button, buttons](QMessageBox* box) {
    texts->append(box->text());
    AnswerMessages(texts, buttons);
    box->button(button)->click();
  });
}

void SelectRows(CItemEditList* list, const QList<int>& rows) {
  list->clearSelection();
  for (int row : rows) {
    list->selectionModel()->select(list->model()->index(row, 0),
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
}

void Check(CFileSetCheckTreeCtrl* tree, const QString& name, bool checked) {
  ItemsNamed(tree, name).constFirst()->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

void ChooseStorePathSet(QComboBox* box, const QString& set) {
  const int index = box->findText(set);
  QVERIFY(index >= 0);
  box->setCurrentIndex(index);
  emit box->activated(index);
}

// Types `value` into the property list's row of `property`, as a user would.
void EditValue(CListItemProp* list, const QString& property, const QString& value) {
  for (int row = 0; row < list->rowCount(); ++row) {
    if (list->item(row, 0)->text() != property) continue;
    list->setCurrentCell(row, 1);
    list->editItem(list->item(row, 1));
    auto* editor = list->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->setText(value);
    list->EndEditing();
    return;
  }
  QFAIL("no such property");
}

QStringList SourceTexts(const CItemEditList* list) {
  QStringList texts;
  for (const ItemEditRow& row : list->Rows()) texts.append(ToQ(row.SourceText()));
  return texts;
}

// How many regular files below `folder` hold exactly `content`.
int CopiesOf(const std::string& folder, const std::string& content) {
  int count = 0;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file() && ReadTextFile(entry.path().string()) == content) ++count;
  }
  return count;
}

}  // namespace

class WizardTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<StoreFixture> fixture_;
  std::unique_ptr<CRightView> panel_;
  std::string store_;   // the root set's store folder
  std::string source_;  // where the files to archive come from

  std::string MakeFile(const std::string& relative, const std::string& content) {
    const std::string path = source_ + "/" + relative;
    fs::create_directories(fs::path(path).parent_path());
    WriteTextFile(path, content);
    return path;
  }

  void SetConfig(const char* section, const char* key, const char* value) {
    ConfigCopy config;
    QVERIFY(config.Load(fixture_->store().GetConfigXml()));
    config.Set(section, key, value);
    QVERIFY(fixture_->store().SetConfigXml(config.Xml()));
  }

  // Drags the data onto the panel and drops it there.
  void Drop(QMimeData* data) {
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel_.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(panel_.get(), &drop);
  }

  void WaitUntilFiled() { QTRY_VERIFY_WITH_TIMEOUT(!panel_->IsFiling(), 60000); }

 private slots:
  void init() {
    fixture_ = std::make_unique<StoreFixture>();
    store_ = fixture_->folder() + "/store";
    source_ = fixture_->folder() + "/source";
    fs::create_directories(store_);
    fs::create_directories(source_);
    CFileSetStore& store = fixture_->store();
    store.SetStorePath(fixture_->root(), store_, StorePathKind::UsrDef);
    fixture_->AddSet("Docs", {fixture_->root()});
    fixture_->AddSet("Reports", {fixture_->root()}, {kYear});
    panel_ = std::make_unique<CRightView>(store);
  }
  void cleanup() {
    panel_.reset();
    fixture_.reset();
  }

  void twoPageWizardFilesChosenItems() {
    const std::string a = MakeFile("sub/a.txt", "alpha");
    const std::string b = MakeFile("sub/b.txt", "beta");
    QStringList messages;
    OnModal<CPigeonholeSheet>([&](CPigeonholeSheet* sheet) {
      CItemSelectPage* select = sheet->SelectPage();
      AnswerMessages(&messages, {QMessageBox::Ok});
      sheet->next();  // nothing chosen yet
      QCOMPARE(sheet->currentPage(), select);

      QVERIFY(select->FolderTree()->SelectPath(ToQ(source_ + "/sub")));
      select->ContentList()->AddItems({0, 1});
      select->ContentList()->AddItems({0});  // the same file again
      select->SelectList()->AddCandidate("站点", "https://example.com/");
      QCOMPARE(select->SelectList()->rowCount(), 3);
      sheet->next();

      CItemBelongPage* page = sheet->BelongPage();
      CItemEditList* list = page->ItemList();
      QCOMPARE(SourceTexts(list), (QStringList{ToQ(a), ToQ(b), "https://example.com/"}));
      QSignalSpy settled(list, &CItemEditList::selectionSettled);
      SelectRows(list, {0, 1});
      QTRY_COMPARE(settled.count(), 1);  // one report for the burst
      QCOMPARE(page->DestinationField()->text(), QString::fromStdString(std::string(kDifferingText)));

      Check(page->SetTree(), "Reports", true);
      QCOMPARE(page->PigPathSetBox()->itemText(1), QString("Reports"));
      ChooseStorePathSet(page->PigPathSetBox(), "Reports");
      OnModal<CDlgBaseFolder>([this](CDlgBaseFolder* dialog) {
        dialog->SelectDepth(static_cast<int>(SplitPathPieces(source_).size()) - 1);
        QCOMPARE(dialog->Path(), ToQ(source_));
        PressOk(dialog);
      });
      page->chooseBaseFolder();
      SelectRows(list, {0});
      page->refreshControls();
      QCOMPARE(page->DestinationField()->text(), ToQ(store_ + "/Reports/source/sub/a.txt"));
      QCOMPARE(page->PropertyList()->Values(), (std::vector<std::string>{"Year;2020"}));
      EditValue(page->PropertyList(), "Year", "2025");
      QVERIFY(list->isEnabled());
      OnModal<CItemDesSheet>([](CItemDesSheet* descriptions) {
        descriptions->Page(0)->Editor()->setPlainText("第一行\n第二行");
        PressOk(descriptions);
      });
      page->editDescriptions();

      SelectRows(list, {2});
      page->refreshControls();
      QVERIFY(!page->PigPathSetBox()->isEnabled());
      QVERIFY(page->DestinationField()->text().isEmpty());
      sheet->button(QWizard::FinishButton)->click();
    });
    panel_->archiveFiles();
    WaitUntilFiled();
    QCOMPARE(messages, QStringList{"请选择需要归档的文件！"});

    const std::string moved = store_ + "/Reports/source/sub/a.txt";
    QCOMPARE(ReadTextFile(moved), std::string("alpha"));
    QVERIFY(!fs::exists(a) && fs::exists(store_ + "/Reports/source/sub/b.txt"));
    QCOMPARE(CopiesOf(fixture_->folder(), "alpha"), 1);
    const auto disk = fixture_->ReloadFromDisk();
    const CFileItem item = disk->FindItemByPath(MakeFileUrl(moved));
    QCOMPARE(item.GetOwningSets(), NameList{"Reports"});
    QCOMPARE(item.GetDescription(), std::string("第一行<br>第二行"));
    QCOMPARE(item.GetPropertyValue("Year"), std::string("2025"));
    QCOMPARE(disk->FindItemByPath(MakeFileUrl(store_ + "/Reports/source/sub/b.txt")).GetPropertyValue("Year"),
             std::string("2020"));
    QCOMPARE(disk->FindItemByPath("https://example.com/").GetOwningSets(), NameList{fixture_->root()});
  }

  void urlItemDialogChecksNameAndAddress() {
    CDlgNewUrlItem dialog;
    QStringList messages;
    auto* name = FindNamed<QLineEdit>(&dialog, "名称");
    auto* url = FindNamed<QLineEdit>(&dialog, "URL");
    QVERIFY(name && url);
    url->setText("http://a://b");
    AnswerMessages(&messages, {QMessageBox::Ok});
    dialog.accept();
    name->setText("页");
    AnswerMessages(&messages, {QMessageBox::Ok});
    dialog.accept();
    QCOMPARE(messages, (QStringList{"项目名称不能为空!", "请输入合法的Url!"}));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    url->setText("https://example.com/页");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

  void webAddressesAreFiledWithTheCurrentQuerysSets() {
    SetConfig("Pigeonhole", "DragDropPigAutoBelong", "true");
    panel_->runQuery("Docs", {}, 0);
    PigeonholeBatch batch(2);
    batch[0].Name = "甲";
    batch[0].Url = "https://example.com/a";
    batch[1].Name = "乙";
    batch[1].Url = "https://example.com/b";
    OnModal<CPigeonholeSheet>([](CPigeonholeSheet* sheet) {
      QVERIFY(!sheet->SelectPage());
      CItemBelongPage* page = sheet->BelongPage();
      SelectRows(page->ItemList(), {0, 1});
      page->refreshControls();
      QVERIFY(!page->PigPathSetBox()->isEnabled());
      QCOMPARE(page->PigPathSetBox()->count(), 0);
      QCOMPARE(page->ItemList()->Rows()[1].sets, NameList{"Docs"});
      sheet->button(QWizard::FinishButton)->click();
    });
    panel_->archiveItems(batch);
    WaitUntilFiled();
    QCOMPARE(panel_->ResultList()->Model().rowCount(), 2);  // refreshed afterwards
    QCOMPARE(fixture_->ReloadFromDisk()->FindItemByPath("https://example.com/b").GetOwningSets(), NameList{"Docs"});
  }

  void finishChecksNamesFilesAndASecondWizard() {
    const std::string path = MakeFile("c.txt", "gamma");
    PigeonholeBatch batch(1);
    batch[0].Name = "c.txt";
    batch[0].Url = MakeFileUrl(path);
    QStringList messages;
    OnModal<CPigeonholeSheet>([&](CPigeonholeSheet* sheet) {
      PigeonholeBatch other;
      QVERIFY(!RunPigeonholeWizard(fixture_->store(), other, WizardMode::Belong, nullptr));
      CItemEditList* list = sheet->BelongPage()->ItemList();
      list->item(0, 0)->setText("");
      AnswerMessages(&messages, {QMessageBox::Ok});
      sheet->button(QWizard::FinishButton)->click();
      list->item(0, 0)->setText("c.txt");
      fs::remove(path);  // gone between choice and Finish
      AnswerMessages(&messages, {QMessageBox::Ok});
      sheet->button(QWizard::FinishButton)->click();
      QCOMPARE(list->rowCount(), 0);
      AnswerMessages(&messages, {QMessageBox::Ok});
      sheet->button(QWizard::FinishButton)->click();
      QVERIFY(sheet->isVisible());
      sheet->reject();
    });
    panel_->archiveItems(batch);
    QVERIFY(!panel_->IsFiling());
    QCOMPARE(messages.size(), 3);
    QCOMPARE(messages[0], QString("文件项目名不能为空！"));
    QVERIFY(messages[1].contains(ToQ(path)));
    QCOMPARE(messages[2], QString("请选择需要归档的文件！"));
  }

  void failedMoveAsksAbortRetryIgnore() {
    // The store folder of "Blocked" lies below a file: its folders cannot be made.
    WriteTextFile(store_ + "/blocker", "not a folder");
    CFileSetStore& store = fixture_->store();
    store.CreateFileSet("Blocked", {fixture_->root()}, store_ + "/blocker/inner", StorePathKind::UsrDef, {});
    PigeonholeBatch batch;
    for (const auto& [name, set] : {std::pair{"d1", "Docs"}, {"d2", "Blocked"}, {"d3", "Docs"}}) {
      ITEM_PIGEONHOLE_STRUCT record;
      record.Name = name;
      record.Url = MakeFileUrl(MakeFile(name, name));
      record.BelongSets = record.PigPathSet = set;
      batch.push_back(record);
    }
    QStringList messages;
    AnswerMessages(&messages, {QMessageBox::Retry, QMessageBox::Abort});
    bool done = false;
    QWidget window;
    StartArchiving(store, batch, &window, [&done](const ArchiveResult& result) {
      done = true;
      QVERIFY(result.aborted && result.saved);
    });
    QTRY_VERIFY_WITH_TIMEOUT(done, 30000);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[0], "移动文件失败:\n" + ToQ(batch[1].Url) + "\n是否继续");
    const auto disk = fixture_->ReloadFromDisk();
    QCOMPARE(disk->FindItemByPath(MakeFileUrl(store_ + "/Docs/d1")).GetOwningSets(), NameList{"Docs"});
    QVERIFY(disk->FindItemByPath(batch[1].Url).GetPath().empty());
    QVERIFY(disk->FindItemByPath(batch[2].Url).GetPath().empty());
    for (const char* content : {"d1", "d2", "d3"}) QCOMPARE(CopiesOf(fixture_->folder(), content), 1);
    QVERIFY(fs::exists(source_ + "/d2") && fs::exists(source_ + "/d3"));
  }

  void droppedFoldersAskOneByOne() {
    MakeFile("skipped/x.txt", "x");
    MakeFile("walked/y.txt", "y");
    MakeFile("walked/deep/z.txt", "z");
    const std::string loose = MakeFile("loose.txt", "loose");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(ToQ(source_ + "/skipped")), QUrl::fromLocalFile(ToQ(source_ + "/walked")),
                  QUrl::fromLocalFile(ToQ(loose))});
    QStringList rows;
    OnModal<CDlgAddFileItemOption>([&](CDlgAddFileItemOption* first) {
      QVERIFY(first->windowTitle().endsWith("skipped"));
      OnModal<CDlgAddFileItemOption>([&](CDlgAddFileItemOption* second) {
        OnModal<CPigeonholeSheet>([&](CPigeonholeSheet* sheet) {
          rows = SourceTexts(sheet->BelongPage()->ItemList());
          sheet->reject();
        });
        PressOk(second);  // with sub-folders, as it opens
      });
      first->reject();
    });
    Drop(&data);
    QTRY_VERIFY(!rows.isEmpty());
    QCOMPARE(rows, (QStringList{ToQ(source_ + "/walked/deep/z.txt"), ToQ(source_ + "/walked/y.txt"), ToQ(loose)}));
  }

  void handOverOpensTheWizardAndWaitsForIt() {
    TempDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().c_str());
    InstanceServer server;
    QCOMPARE(server.ClaimInstance(), InstanceServer::Claim::Owned);
    CMainFrame frame(fixture_->store());
    connect(&server, &InstanceServer::messageReceived, &frame, &CMainFrame::onPipeMessage);
    const std::string first = MakeFile("first.txt", "1");
    const std::string second = MakeFile("second.txt", "2");

    QList<QStringList> wizards;
    OnModal<CPigeonholeSheet>([&](CPigeonholeSheet* sheet) {
      wizards.append(SourceTexts(sheet->BelongPage()->ItemList()));
      // A second hand-over while this wizard is open waits for it.
      frame.onPipeMessage(EncodePipeRecords({{"second", ToQ(MakeFileUrl(second))}}));
      OnModal<CPigeonholeSheet>([&](CPigeonholeSheet* next) {
        wizards.append(SourceTexts(next->BelongPage()->ItemList()));
        next->reject();
      });
      sheet->reject();
    });
    QProcess send;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_RUNTIME_DIR", ToQ(runtime.path()));
    send.setProcessEnvironment(environment);
    send.start(OVELIN_CLI_PATH, {"send", ToQ(first)});
    QTRY_COMPARE_WITH_TIMEOUT(wizards.size(), 2, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(send.state(), QProcess::NotRunning, 10000);
    QCOMPARE(send.exitCode(), 0);
    QCOMPARE(wizards[0], QStringList{ToQ(first)});
    QCOMPARE(wizards[1], QStringList{ToQ(second)});
    qunsetenv("XDG_RUNTIME_DIR");
  }

  void tenThousandDroppedFilesShowProgress() {
    constexpr int kCount = 10000;
    for (int i = 0; i < kCount; ++i) MakeFile("many/f" + std::to_string(i), "");
    int progressMaximum = 0;
    OnModal<CDlgAddFileItemOption>([&](CDlgAddFileItemOption* options) {
      OnModal<CPigeonholeSheet>([&](CPigeonholeSheet* sheet) {
        QCOMPARE(sheet->BelongPage()->ItemList()->rowCount(), kCount);
        OnModal<CDlgPigeonholeProcess>([&](CDlgPigeonholeProcess* progress) {
          // The range is set by the run's first step: watch it while the dialog lives.
          QPointer<QProgressBar> bar = progress->findChild<QProgressBar*>();
          auto* poll = new QTimer(progress);
          connect(poll, &QTimer::timeout, [bar, &progressMaximum] { progressMaximum = bar->maximum(); });
          poll->start(5);
        });
        sheet->button(QWizard::FinishButton)->click();
      });
      PressOk(options);
    });
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(ToQ(source_ + "/many"))});
    Drop(&data);
    QTRY_VERIFY_WITH_TIMEOUT(panel_->IsFiling(), 10000);
    WaitUntilFiled();
    QCOMPARE(progressMaximum, kCount);
    QCOMPARE(static_cast<int>(fixture_->ReloadFromDisk()->GetRootItems().size()), kCount);
  }
};

OVELIN_SHELL_SUITE("Wizard", WizardTest)

}  // namespace ovelin::test

#include "wizard_test.moc"
