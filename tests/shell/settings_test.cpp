// The settings dialog edits a copy of the configuration and writes it back on OK only.
#include <QCheckBox>
#include <QTest>
#include <QTreeWidget>

#include "shell/settings/config_copy.h"
#include "shell/settings/config_panel.h"
#include "shell/settings/dlg_sys_config.h"
#include "shell_test_support.h"
#include "suite_registry.h"

namespace ovelin::test {

class SettingsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<StoreFixture> fixture_;

  void SetValue(const char* section, const char* key, const char* value) {
    ConfigCopy config;
    QVERIFY(config.Load(fixture_->store().GetConfigXml()));
    config.Set(section, key, value);
    QVERIFY(fixture_->store().SetConfigXml(config.Xml()));
  }

  static QCheckBox* Box(const CDlgSysConfig& dialog, const QString& text) {
    return FindNamed<QCheckBox>(dialog.CurrentPage(), text);
  }

  static void ShowPage(CDlgSysConfig& dialog, const QString& title) {
    const QList<QTreeWidgetItem*> found = dialog.PageTree()->findItems(title, Qt::MatchExactly | Qt::MatchRecursive);
    QVERIFY(!found.isEmpty());
    dialog.PageTree()->setCurrentItem(found.constFirst());
  }

 private slots:
  void init() { fixture_ = std::make_unique<StoreFixture>(); }
  void cleanup() { fixture_.reset(); }

  void okWritesShownBoxesAndKeepsHiddenValues() {
    SetValue("KeywordsSearch", "SearchFileName", "false");
    SetValue("KeywordsSearch", "UpLowSensitive", "true");
    CDlgSysConfig dialog(fixture_->store());
    QCOMPARE(dialog.PageTree()->currentItem()->text(0), QString("关键字搜索"));
    QCheckBox* content = Box(dialog, "在文件内容中查找");
    QVERIFY(content && content->isChecked());
    QVERIFY(!Box(dialog, "在文件名中查找")->isVisibleTo(&dialog));
    content->setChecked(false);
    dialog.accept();

    const auto disk = fixture_->ReloadFromDisk();
    QCOMPARE(disk->GetConfigValue("KeywordsSearch", "SearchFileContent"), std::string("false"));
    QCOMPARE(disk->GetConfigValue("KeywordsSearch", "SearchFileName"), std::string("false"));
    QCOMPARE(disk->GetConfigValue("KeywordsSearch", "SearchBelongSet"), std::string("true"));
    QCOMPARE(disk->GetConfigValue("KeywordsSearch", "UpLowSensitive"), std::string("true"));
    QCOMPARE(disk->GetConfigValue("Pigeonhole", "DragDropPigAutoBelong"), std::string("true"));
  }

  void switchingPagesKeepsTheEdits() {
    CDlgSysConfig dialog(fixture_->store());
    Box(dialog, "结果包含所有关键字")->setChecked(false);
    ShowPage(dialog, "归档");
    QCheckBox* autoBelong = Box(dialog, "采用当前检索结果设置归档项目的隶属集");
    QVERIFY(autoBelong && autoBelong->isChecked());
    autoBelong->setChecked(false);
    ShowPage(dialog, "Ovelin设置");  // the top entry keeps the page shown
    QVERIFY(Box(dialog, "采用当前检索结果设置归档项目的隶属集"));
    ShowPage(dialog, "关键字搜索");
    QVERIFY(!Box(dialog, "结果包含所有关键字")->isChecked());
    dialog.accept();

    const auto disk = fixture_->ReloadFromDisk();
    QCOMPARE(disk->GetConfigValue("KeywordsSearch", "IncludeAll"), std::string("false"));
    QCOMPARE(disk->GetConfigValue("Pigeonhole", "DragDropPigAutoBelong"), std::string("false"));
  }

  void cancelLeavesTheConfigurationAlone() {
    const std::string before = fixture_->store().GetConfigXml();
    const std::string fileBefore = ReadTextFile(fixture_->dataFile());
    CDlgSysConfig dialog(fixture_->store());
    Box(dialog, "在文件内容中查找")->setChecked(false);
    ShowPage(dialog, "归档");
    Box(dialog, "采用当前检索结果设置归档项目的隶属集")->setChecked(false);
    dialog.reject();
    QCOMPARE(fixture_->store().GetConfigXml(), before);
    QCOMPARE(ReadTextFile(fixture_->dataFile()), fileBefore);
  }

  void valuesAreReadIgnoringLetterCase() {
    SetValue("KeywordsSearch", "IncludeAll", "TRUE");
    SetValue("KeywordsSearch", "SearchFileContent", "yes");
    CDlgSysConfig dialog(fixture_->store());
    QVERIFY(Box(dialog, "结果包含所有关键字")->isChecked());
    QVERIFY(!Box(dialog, "在文件内容中查找")->isChecked());
    dialog.accept();
    const auto disk = fixture_->ReloadFromDisk();
    QCOMPARE(disk->GetConfigValue("KeywordsSearch", "IncludeAll"), std::string("true"));
    QCOMPARE(disk->GetConfigValue("KeywordsSearch", "SearchFileContent"), std::string("false"));
  }

  void workingCopyCreatesMissingSectionsAndSurvivesBadText() {
    ConfigCopy config;
    QVERIFY(!config.Load("<NotConfig/>"));
    config.Set("Pigeonhole", "DragDropPigAutoBelong", "true");
    QCOMPARE(config.Get("Pigeonhole", "DragDropPigAutoBelong"), std::string("true"));
    QVERIFY(config.Xml().find("<SysConfig>") == 0);
    QVERIFY(!config.Load("<SysConfig"));
    QCOMPARE(config.Get("Pigeonhole", "DragDropPigAutoBelong"), std::string());
  }
};

OVELIN_SHELL_SUITE("Settings", SettingsTest)

}  // namespace ovelin::test

#include "settings_test.moc"
