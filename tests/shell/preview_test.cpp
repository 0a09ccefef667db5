// The preview pane: pages built on a worker and loaded from the program's own
// scheme, the ready report, link clicks that open items instead of
// navigating, and the main window's release-before-delete handshake.
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineScript>

#include "query_test_library.h"
#include "shell/app/qt_text.h"
#include "shell/mainwindow/main_frame.h"
#include "shell/preview/preview_scheme.h"
#include "shell/preview/web_browser.h"
#include "shell/query/dlg_del_file_item_option.h"
#include "shell/query/query_res_list.h"
#include "shell/query/right_view.h"
#include "suite_registry.h"

namespace ovelin::test {
namespace {

constexpr int kLoadTimeoutMs = 20000;

QString Entry(const QString& name, const QString& url, const QString& description = {}) {
  return name + QChar(0x1F) + url + QChar(0x1F) + description;
}

// The text of the page shown now.
QString PageText(CWebBrowser& browser) {
  QString text;
  bool done = false;
  browser.page()->toPlainText([&](const QString& result) {
    text = result;
    done = true;
  });
  QElapsedTimer waited;
  waited.start();
  while (!done && waited.elapsed() < kLoadTimeoutMs) QTest::qWait(20);
  return text;
}

}  // namespace

class PreviewTest : public QObject {
  Q_OBJECT

 private slots:
  void pagesLoadFromTheOwnSchemeAndReportReady() {
    QueryLibrary library;
    CWebBrowser browser;
    QSignalSpy ready(&browser, &CWebBrowser::previewReady);
    QTRY_VERIFY_WITH_TIMEOUT(ready.count() >= 1, kLoadTimeoutMs);  // the empty page
    ready.clear();

    // Names are shown as text, never as markup.
    const QString name = "<script>alert(1)</script> & \"报告\"";
    browser.ShowItems({Entry(name, library.FileUrl("a.txt"), "说明</table>")});
    QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 1, kLoadTimeoutMs);
    QCOMPARE(browser.page()->url().scheme(), QString(kPreviewScheme));
    const QString text = PageText(browser);
    QVERIFY2(text.contains(name), qPrintable(text));
    QVERIFY(text.contains("描述:说明</table>"));

    // A newer selection makes the older page moot; each ends in one report.
    browser.ShowItems({Entry("one", library.FileUrl("a.txt"))});
    browser.ShowItems({Entry("two", library.FileUrl("a.txt"))});
    QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 2, kLoadTimeoutMs);
    QTest::qWait(200);
    QCOMPARE(ready.count(), 2);
    QVERIFY(PageText(browser).startsWith("two"));

    browser.Clear();
    QTRY_COMPARE_WITH_TIMEOUT(ready.count(), 3, kLoadTimeoutMs);
    QVERIFY(PageText(browser).trimmed().isEmpty());
  }

  void aLinkClickOpensTheItemAndNothingNavigates() {
    QueryLibrary library;
    CWebBrowser browser;
    QList<QUrl> opened;
    browser.SetLinkOpener([&opened](const QUrl& url) { opened.append(url); });
    QSignalSpy ready(&browser, &CWebBrowser::previewReady);
    const std::string path = library.FilePath("b report.txt");
    browser.ShowItems({Entry("b report.txt", library.FileUrl("b report.txt")), Entry("网页", kWebUrl)});
    QTRY_VERIFY_WITH_TIMEOUT(ready.count() >= 1 && browser.page()->url().path().startsWith("/page/"), kLoadTimeoutMs);
    const QUrl page = browser.page()->url();
    browser.page()->runJavaScript("document.links[0].click(); document.links[1].click();",
                                  QWebEngineScript::ApplicationWorld);
    QTRY_COMPARE_WITH_TIMEOUT(opened.size(), 2, kLoadTimeoutMs);
    QCOMPARE(opened[0].toLocalFile(), ToQ(path));
    QCOMPARE(opened[1].toString(), kWebUrl);
    QTest::qWait(200);
    QCOMPARE(browser.page()->url(), page);
  }

  void deletingWaitsUntilThePreviewLetsGo() {
    QueryLibrary library;
    CMainFrame frame(library.store());
    CRightView* panel = frame.QueryPanel();
    panel->runQuery("B", {}, 0);
    QSignalSpy ready(frame.Preview(), &CWebBrowser::previewReady);
    QSignalSpy released(panel, &CRightView::previewRelease);
    const QString file = ToQ(library.FilePath("b report.txt"));
    bool existedWhenReady = false;
    connect(frame.Preview(), &CWebBrowser::previewReady, this,
            [&] { existedWhenReady = released.count() == 1 && QFileInfo::exists(file); });

    OnModal<CDlgDelFileItemOption>([](CDlgDelFileItemOption* dialog) { PressOk(dialog); });
    panel->deleteItems({library.FileUrl("b report.txt")});
    QCOMPARE(released.count(), 1);
    QTRY_VERIFY_WITH_TIMEOUT(!QFileInfo::exists(file), kLoadTimeoutMs);
    QVERIFY(existedWhenReady);  // released first, deleted after
    QTRY_VERIFY(!panel->IsFiling());
    QVERIFY(library.ReloadFromDisk()->FindItemByPath(library.FileUrl("b report.txt").toStdString()).GetPath().empty());
  }
};

OVELIN_SHELL_SUITE("Preview", PreviewTest)

}  // namespace ovelin::test

#include "preview_test.moc"
