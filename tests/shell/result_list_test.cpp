// The result list: sorting by each column, preview entries, opening items and
// their folders; and the small rules it builds on.
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "query_test_library.h"
#include "shell/query/desktop_open.h"
#include "shell/query/query_res_list.h"
#include "shell/query/result_rows.h"
#include "shell/query/right_view.h"
#include "suite_registry.h"

namespace ovelin::test {

// Receives what the desktop would open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls.append(url); }
};

namespace {

QStringList Names(const CQueryResList& list) {
  QStringList names;
  for (const ResultRow& row : list.Model().Rows()) names.append(row.name);
  return names;
}

int SectionTitled(const CQueryResList& list, const QString& title) {
  for (int section = 0; section < list.Model().columnCount(); ++section) {
    if (list.Model().headerData(section, Qt::Horizontal).toString() == title) return section;
  }
  return -1;
}

}  // namespace

class ResultListTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QueryLibrary> library_;
  std::unique_ptr<CRightView> panel_;
  UrlCatcher catcher_;

  CQueryResList* List() const { return panel_->ResultList(); }

  void SelectRows(const QStringList& names) {
    List()->clearSelection();
    const auto& rows = List()->Model().Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
      if (!names.contains(rows[i].name)) continue;
      List()->selectionModel()->select(List()->Model().index(static_cast<int>(i), 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }

 private slots:
  void init() {
    library_ = std::make_unique<QueryLibrary>();
    library_->File(library_->root(), "root.txt", "r");
    panel_ = std::make_unique<CRightView>(library_->store());
    for (const char* scheme : {"file", "http"}) QDesktopServices::setUrlHandler(scheme, &catcher_, "open");
    catcher_.urls.clear();
  }
  void cleanup() {
    for (const char* scheme : {"file", "http"}) QDesktopServices::unsetUrlHandler(scheme);
    panel_.reset();
    library_.reset();
  }

  void clickingAHeaderSortsByItsColumn_data() {
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QStringList>("names");
    const QStringList byName{"a.txt", "alpha one.txt", "alpha two.txt", "b report.txt", "网页 report"};
    QTest::newRow("name") << false << "名称" << 1 << byName;
    QTest::newRow("name descending") << false << "名称" << 2
                                     << QStringList{"网页 report", "b report.txt", "alpha two.txt", "alpha one.txt",
                                                    "a.txt"};
    // Local paths ("/...") sort before web addresses; equal types keep their order.
    QTest::newRow("path") << false << "路径" << 1 << byName;
    QTest::newRow("type descending") << false << "类型" << 2
                                     << QStringList{"网页 report", "a.txt", "alpha one.txt", "alpha two.txt",
                                                    "b report.txt"};
    // Group rows come first, except by count, where item rows do.
    QTest::newRow("groups by name") << true << "名称" << 1 << QStringList{"A", "B", "root.txt"};
    QTest::newRow("groups by name descending") << true << "名称" << 2 << QStringList{"root.txt", "B", "A"};
    QTest::newRow("count") << true << "包含项目数" << 1 << QStringList{"root.txt", "B", "A"};
    QTest::newRow("count descending") << true << "包含项目数" << 2 << QStringList{"A", "B", "root.txt"};
  }

  void clickingAHeaderSortsByItsColumn() {
    QFETCH(bool, grouped);
    QFETCH(QString, column);
    QFETCH(int, clicks);
    if (grouped) {
      panel_->runQuery(QString::fromStdString(library_->root()), {}, 0);
    } else {
      panel_->runQuery("A+B", {}, 0);
      panel_->GroupingBox()->setCurrentIndex(0);
    }
    const int section = SectionTitled(*List(), column);
    QVERIFY(section >= 0);
    panel_->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel_.get()));
    QHeaderView* header = List()->horizontalHeader();
    for (int i = 0; i < clicks; ++i) {
      const QPoint middle(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                          header->height() / 2);
      QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
    }
    QCOMPARE(List()->SortSection(), section);
    QCOMPARE(List()->SortAscending(), clicks == 1);
    QTEST(Names(*List()), "names");
  }

  void selectionSettlesIntoPreviewEntries() {
    panel_->runQuery("B", {}, 0);
    panel_->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel_.get()));
    QSignalSpy preview(List(), &CQueryResList::previewItems);
    SelectRows({"b report.txt", "网页 report"});
    QCOMPARE(preview.count(), 0);  // waits for the selection to settle
    QTRY_COMPARE(preview.count(), 1);
    const QChar us(0x1F);
    QCOMPARE(preview[0][0].toStringList(),
             (QStringList{"b report.txt" + QString(us) + library_->FileUrl("b report.txt") + us,
                          "网页 report" + QString(us) + kWebUrl + us + "主页"}));
    QCOMPARE(panel_->focusWidget(), List());  // the list takes the focus back

    // Group rows give no entries; nothing is sent for them alone.
    panel_->runQuery(QString::fromStdString(library_->root()), {}, 0);
    SelectRows({"A", "B"});
    QTest::qWait(120);
    QCOMPARE(preview.count(), 1);
  }

  void doubleClickOpensItemsAndNarrowsGroups() {
    panel_->runQuery("A+B", {}, 0);
    panel_->GroupingBox()->setCurrentIndex(0);
    panel_->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel_.get()));
    const QRect first = List()->visualRect(List()->Model().index(0, 0));
    QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, first.center());
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, first.center());
    List()->activateRow(4);
    QCOMPARE(catcher_.urls,
             (QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(library_->FilePath("a.txt"))), QUrl(kWebUrl)}));

    panel_->runQuery(QString::fromStdString(library_->root()), {}, 0);
    QSignalSpy groups(List(), &CQueryResList::queryGroup);
    List()->activateRow(0);
    QCOMPARE(groups.count(), 1);
    QCOMPARE(groups[0][0].toString(), QString("A"));
    QCOMPARE(catcher_.urls.size(), 2);
  }

  void theContainingFolderOpens() {
    // Without a session bus the folder is opened instead of asking the file manager.
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("XDG_RUNTIME_DIR");
    panel_->runQuery("A+B", {}, 0);
    panel_->GroupingBox()->setCurrentIndex(0);
    const QUrl folder = QUrl::fromLocalFile(QString::fromStdString(library_->folder() + "/files"));
    for (const QStringList& selection :
         {QStringList{"a.txt"}, QStringList{"a.txt", "b report.txt", "网页 report"}, QStringList{"网页 report"}}) {
      SelectRows(selection);
      List()->openContainingFolder();
    }
    QCOMPARE(catcher_.urls, (QList<QUrl>{folder, folder}));
    if (!bus.isEmpty()) qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    if (!runtime.isEmpty()) qputenv("XDG_RUNTIME_DIR", runtime);
  }

  void commonFolderIsTheDeepestSharedOne_data() {
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("folder");
    QTest::newRow("one") << QStringList{"/home/u/a b/x.txt"} << "/home/u/a b";
    QTest::newRow("siblings") << QStringList{"/home/u/x.txt", "/home/u/y.txt"} << "/home/u";
    QTest::newRow("nested") << QStringList{"/home/u/d/x.txt", "/home/u/d/e/y.txt", "/home/u/d/z"} << "/home/u/d";
    QTest::newRow("prefix of a name") << QStringList{"/home/ab/x", "/home/abc/y"} << "/home";
    QTest::newRow("only the root") << QStringList{"/x", "/home/y"} << "/";
    QTest::newRow("none") << QStringList{} << "";
  }

  void commonFolderIsTheDeepestSharedOne() {
    QFETCH(QStringList, paths);
    QTEST(CommonFolder(paths), "folder");
  }

  void groupingEntriesSplitOutsideQuotes_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QStringList>("members");
    QTest::newRow("set") << "A:A1;A2"
                         << "A" << QStringList{"A1", "A2"};
    QTest::newRow("quoted") << "A Author=\"x:y;z\"+B:A Author=\"x:y;z\";B"
                            << "A Author=\"x:y;z\"+B" << QStringList{"A Author=\"x:y;z\"", "B"};
    QTest::newRow("no members") << "A"
                                << "A" << QStringList{};
  }

  void groupingEntriesSplitOutsideQuotes() {
    QFETCH(QString, entry);
    const GroupingEntry split = SplitGroupingEntry(entry);
    QTEST(split.key, "key");
    QTEST(split.members, "members");
  }
};

OVELIN_SHELL_SUITE("ResultList", ResultListTest)

}  // namespace ovelin::test

#include "result_list_test.moc"
