// The view set list: new, edit and delete through their dialogs, and query requests.
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <tuple>

#include "query/view_sets.h"
#include "shell/viewlist/dlg_del_view_set_option.h"
#include "shell/viewlist/dlg_view_set_def.h"
#include "shell/viewlist/view_list.h"
#include "shell_test_support.h"
#include "suite_registry.h"

namespace ovelin::test {
namespace {

QStringList Rows(const CViewList& list) {
  QStringList rows;
  for (int i = 0; i < list.count(); ++i) rows.append(list.item(i)->text());
  return rows;
}

void FillAndAccept(const QString& name, const QString& expression) {
  OnModal<CDlgViewSetDef>([name, expression](CDlgViewSetDef* dialog) {
    FindNamed<QLineEdit>(dialog, "名称")->setText(name);
    FindNamed<QLineEdit>(dialog, "表达式")->setText(expression);
    PressOk(dialog);
  });
}

}  // namespace

class ViewListTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<StoreFixture> fixture_;
  std::unique_ptr<CViewList> list_;

  void Select(const QString& name) {
    const QList<QListWidgetItem*> found = list_->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    list_->setCurrentItem(found.constFirst());
  }

 private slots:
  void init() {
    fixture_ = std::make_unique<StoreFixture>();
    fixture_->AddSet("A", {fixture_->root()});
    fixture_->AddSet("B", {fixture_->root()});
    QVERIFY(AddViewSet(fixture_->store(), "v2", "A"));
    QVERIFY(AddViewSet(fixture_->store(), "v4", "B"));
    list_ = std::make_unique<CViewList>(fixture_->store());
  }
  void cleanup() {
    list_.reset();
    fixture_.reset();
  }

  void newViewSetIsSavedAndInsertedInNameOrder() {
    FillAndAccept("v3", "A+B");
    list_->newViewSet();
    QCOMPARE(Rows(*list_), (QStringList{"v2", "v3", "v4"}));
    QCOMPARE(list_->SelectedName(), QString("v3"));
    QCOMPARE(fixture_->ReloadFromDisk()->GetViewSetExpression("v3"), std::string("A+B"));
  }

  void newViewSetThatTheStoreRefusesIsReported() {
    const QString expected = "新增视图集失败，请检查名称是否重复是否含有非法字符以及表达式的正确性！\n";
    // Name, expression, and the reason on the second line.
    const QList<std::tuple<QString, QString, QString>> refused{
        {"A", "B", "已有名为\"A\"的文件集"},
        {"v5", "A+", "第2个字符处：\"+\"后面缺少文件集或视图集"},
        {"v 5", "A", "名称\"v 5\"中含有非法字符\" \"（名称不能含有 <>/\\|;:\"?.+-() 空格 ^）"},
        {"v2", "B", "已有名为\"v2\"的视图集"}};
    for (const auto& [name, expression, reason] : refused) {
      FillAndAccept(name, expression);
      QString message;
      AnswerNextMessage(&message);
      list_->newViewSet();
      QCOMPARE(message, expected + reason);
    }
    QCOMPARE(Rows(*list_), (QStringList{"v2", "v4"}));
  }

  void editWithBadExpressionStillRenames() {
    Select("v2");
    FillAndAccept("v9", "A+(");
    QString message;
    AnswerNextMessage(&message);
    list_->editViewSet();
    QCOMPARE(message, QString("表达式语法错误，请检查！\n第3个字符处：\"(\"后面缺少文件集或视图集"));
    QCOMPARE(Rows(*list_), (QStringList{"v9", "v4"}));
    const auto disk = fixture_->ReloadFromDisk();
    QCOMPARE(disk->GetViewSetExpression("v9"), std::string("A"));
    QVERIFY(!disk->HasViewSet("v2"));
  }

  void editExpressionOnlyKeepsTheName() {
    Select("v2");
    FillAndAccept("v2", "A+B");
    list_->editViewSet();
    QCOMPARE(Rows(*list_), (QStringList{"v2", "v4"}));
    QCOMPARE(fixture_->ReloadFromDisk()->GetViewSetExpression("v2"), std::string("A+B"));
  }

  void renameToATakenNameIsReported() {
    Select("v2");
    FillAndAccept("B", "A");
    QString message;
    AnswerNextMessage(&message);
    list_->editViewSet();
    QCOMPARE(message, QString("名称错误，请检查！\n已有名为\"B\"的文件集"));
    QCOMPARE(Rows(*list_), (QStringList{"v2", "v4"}));
  }

  void deleteAsksAndRemovesTheRow() {
    Select("v4");
    QString title;
    OnModal<CDlgDelViewSetOption>([&title](CDlgDelViewSetOption* dialog) {
      title = dialog->windowTitle();
      PressOk(dialog);
    });
    list_->deleteViewSet();
    QCOMPARE(title, QString("删除文件集-\"v4\""));
    QCOMPARE(Rows(*list_), QStringList{"v2"});
    QVERIFY(!fixture_->ReloadFromDisk()->HasViewSet("v4"));

    Select("v2");
    OnModal<CDlgDelViewSetOption>([](CDlgDelViewSetOption* dialog) { dialog->reject(); });
    list_->deleteViewSet();
    QCOMPARE(Rows(*list_), QStringList{"v2"});
  }

  void doubleClickAndDeleteKeyActOnTheSelection() {
    list_->show();
    QVERIFY(QTest::qWaitForWindowExposed(list_.get()));
    QSignalSpy spy(list_.get(), &CViewList::runQuery);
    Select("v4");
    const QRect rect = list_->visualItemRect(list_->currentItem());
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, rect.center());
    QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {}, rect.center());
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][0].toString(), QString("v4"));
    QCOMPARE(spy[0][1].toInt(), 0);

    OnModal<CDlgDelViewSetOption>([](CDlgDelViewSetOption* dialog) { PressOk(dialog); });
    QTest::keyClick(list_.get(), Qt::Key_Delete);
    QCOMPARE(Rows(*list_), QStringList{"v2"});
  }
};

OVELIN_SHELL_SUITE("ViewList", ViewListTest)

}  // namespace ovelin::test

#include "view_list_test.moc"
