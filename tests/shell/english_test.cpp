// The program in English: its own texts from the English catalogue, Qt's standard
// buttons in English and the core's messages in English. The suite switches the
// language itself and switches back at the end.
#include <QAbstractButton>
#include <QAction>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "shell/app/translation.h"
#include "shell/dialogs/new_set_dlg.h"
#include "shell/mainwindow/main_frame.h"
#include "shell/preview/media_file_info_reader.h"
#include "shell/preview/preview_sources.h"
#include "shell_test_support.h"
#include "suite_registry.h"

namespace ovelin::test {
namespace {

// The interface texts of a window that still hold a Chinese character: accessible
// names, window titles, tool tips, button, label and group texts, action texts and
// column headers. Set names in the trees are data and not looked at.
QStringList ChineseTexts(QWidget* window) {
  const QRegularExpression chinese(QStringLiteral("[\\x{4e00}-\\x{9fff}]"));
  QStringList texts;
  QList<QWidget*> widgets = window->findChildren<QWidget*>();
  widgets.prepend(window);
  for (QWidget* widget : widgets) {
    texts << widget->accessibleName() << widget->windowTitle() << widget->toolTip();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
    if (auto* group = qobject_cast<QGroupBox*>(widget)) texts << group->title();
    if (auto* header = qobject_cast<QHeaderView*>(widget); header && header->model()) {
      for (int i = 0; i < header->count(); ++i) {
        texts << header->model()->headerData(i, header->orientation()).toString();
      }
    }
  }
  for (QAction* action : window->findChildren<QAction*>()) texts << action->text() << action->iconText();
  texts.removeIf([&chinese](const QString& text) { return !text.contains(chinese); });
  texts.removeDuplicates();
  return texts;
}

}  // namespace

class EnglishTest : public QObject {
  Q_OBJECT

 private:
  QByteArray savedChoice_;
  std::unique_ptr<StoreFixture> fixture_;

 private slots:
  void initTestCase() {
    savedChoice_ = qgetenv("OVELIN_LANG");
    qputenv("OVELIN_LANG", "en");
    QVERIFY(InstallTranslations(Language::English));
    fixture_ = std::make_unique<StoreFixture>();
    fixture_->AddSet("Docs", {fixture_->root()});
  }
  void cleanupTestCase() {
    fixture_.reset();
    qputenv("OVELIN_LANG", savedChoice_);
    InstallTranslations(InterfaceLanguage());
  }

  void mainWindowReadsEnglish() {
    CMainFrame frame(fixture_->store());
    QStringList menus;
    for (const QAction* menu : frame.menuBar()->actions()) menus << menu->text();
    QCOMPARE(menus, (QStringList{"Sets", "Settings", "Browse", "Help"}));
    const QStringList chinese = ChineseTexts(&frame);
    QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('|'))));
  }

  void setDialogReadsEnglishWithEnglishButtonsAndMessages() {
    CNewSetDlg dialog(fixture_->store(), {"", StorePathKind::ExParent, "Docs", {"Docs"}, {}, ""});
    dialog.show();
    QCOMPARE(dialog.windowTitle(), QString("Set properties"));
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QCOMPARE(buttons->button(QDialogButtonBox::Ok)->text(), QString("OK"));
    QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QString("Cancel"));
    const QStringList chinese = ChineseTexts(&dialog);
    QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QLatin1Char('|'))));
    QString message;
    AnswerNextMessage(&message);
    dialog.accept();  // the name is empty
    QCOMPARE(message, QString("The set name cannot be empty!"));
  }

  void previewWordsAreEnglish() {
    CMediaFileInfoReader reader;
    const std::string page = BuildPreviewPage({"a\x1f"
                                               "https://example.org/a\x1f"
                                               "note"},
                                              MakePreviewSources(reader));
    QVERIFY(page.find("<br>Description:note") != std::string::npos);
  }
};

OVELIN_SHELL_SUITE("English", EnglishTest)

}  // namespace ovelin::test

#include "english_test.moc"
