// The set dialog, its property list and the check-box tree of sets.
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

#include "shell/app/qt_text.h"
#include "shell/dialogs/list_set_item_prop.h"
#include "shell/dialogs/new_set_dlg.h"
#include "shell/settree/dlg_new_child_set.h"
#include "shell/settree/file_set_check_tree_ctrl.h"
#include "shell/settree/set_tree_items.h"
#include "shell_test_support.h"
#include "suite_registry.h"

namespace ovelin::test {
namespace {

QStringList Entries(const QComboBox* combo) {
  QStringList entries;
  for (int i = 0; i < combo->count(); ++i) entries.append(combo->itemText(i));
  return entries;
}

void SetChecked(CFileSetCheckTreeCtrl* tree, const QString& name, bool checked) {
  // Changing one occurrence is what a click on its check box does.
  ItemsNamed(tree, name).constFirst()->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

const PropertyDefinition kYear{"Year", "NUMBER", "1900", "2100", "2000", "Self"};
const PropertyDefinition kAuthor{"Author", "STRING", "", "", "", "Parent"};

}  // namespace

class SetDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<StoreFixture> fixture_;

  SetDialogData NewSetUnder(const NameList& parents) {
    SetDialogData data;
    data.kind = StorePathKind::ExParent;
    data.pathText = parents.front();
    data.parents = parents;
    return data;
  }

 private slots:
  void init() {
    fixture_ = std::make_unique<StoreFixture>();
    const std::string root = fixture_->root();
    fixture_->store().SetStorePath(root, "/data", StorePathKind::UsrDef);
    fixture_->AddSet("A", {root});
    fixture_->AddSet("B", {root});
    fixture_->AddSet("C", {"A", "B"});
  }
  void cleanup() { fixture_.reset(); }

  void storePathEntriesFollowTheCheckedParents() {
    SetDialogData data = NewSetUnder({"A", "B"});
    data.name = "N";
    CNewSetDlg dialog(fixture_->store(), data);
    auto* kind = FindNamed<QComboBox>(&dialog, "归档路径");
    auto* path = FindNamed<QLineEdit>(&dialog, "归档路径文本");
    auto* browse = FindNamed<QToolButton>(&dialog, "选择归档路径");
    QCOMPARE(Entries(kind), (QStringList{"自定义", "扩展:A", "扩展:B"}));
    QCOMPARE(kind->currentText(), QString("扩展:A"));
    QCOMPARE(path->text(), QString("/data/A/N"));
    QVERIFY(path->isReadOnly());
    QVERIFY(!browse->isEnabled());

    FindNamed<QLineEdit>(&dialog, "名称")->setText("M");
    QCOMPARE(path->text(), QString("/data/A/M"));

    // The extended parent is unticked: the last remaining entry takes over.
    SetChecked(dialog.ParentTree(), "A", false);
    QCOMPARE(Entries(kind), (QStringList{"自定义", "扩展:B"}));
    QCOMPARE(kind->currentText(), QString("扩展:B"));
    QCOMPARE(path->text(), QString("/data/B/M"));

    SetChecked(dialog.ParentTree(), "B", false);
    QCOMPARE(Entries(kind), QStringList{"自定义"});
    QVERIFY(!path->isReadOnly());
    QVERIFY(browse->isEnabled());
    path->setText("/elsewhere");
    const SetDialogData result = dialog.Result();
    QCOMPARE(result.kind, StorePathKind::UsrDef);
    QCOMPARE(result.pathText, std::string("/elsewhere"));
    QCOMPARE(result.parents, NameList{fixture_->root()});  // nothing ticked: the root
  }

  void okRefusesEmptyAndIllegalNames() {
    CNewSetDlg dialog(fixture_->store(), NewSetUnder({"A"}));
    dialog.show();
    auto* name = FindNamed<QLineEdit>(&dialog, "名称");
    const QList<std::pair<QString, QString>> cases{
        {"", "文件集名称不能为空!"},
        {"a b", IllegalSetNameText()},
        {"x.y", IllegalSetNameText()},
        {"a;b", IllegalSetNameText()},
    };
    for (const auto& [typed, expected] : cases) {
      name->setText(typed);
      QString message;
      AnswerNextMessage(&message);
      dialog.accept();
      QCOMPARE(message, expected);
      QVERIFY(dialog.isVisible());
      QCOMPARE(dialog.result(), 0);
    }
    name->setText("好名字");
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

  void propertyRowsReadBackAsDefinitions() {
    CListSetItemProp list;
    list.Load({kYear, kAuthor});
    QCOMPARE(list.item(0, 0)->text(), QString("否"));
    QCOMPARE(list.item(0, 2)->text(), QString("数字"));
    QCOMPARE(list.item(1, 0)->text(), QString("是"));
    QCOMPARE(list.item(1, 2)->text(), QString("字符串"));
    QVERIFY(list.item(0, 1)->flags() & Qt::ItemIsEditable);
    QVERIFY(!(list.item(0, 0)->flags() & Qt::ItemIsEditable));
    QVERIFY(!(list.item(1, 1)->flags() & Qt::ItemIsEditable));
    QCOMPARE(list.Definitions(), (DefinitionList{kYear, kAuthor}));

    // An own definition that replaces an inherited one shows as inherited.
    PropertyDefinition ext = kYear;
    ext.origin = "Ext";
    list.Load({ext});
    QCOMPARE(list.item(0, 0)->text(), QString("是"));
    QCOMPARE(list.Definitions().front().origin, std::string("Parent"));
  }

  void deleteButtonKeepsInheritedRows() {
    CListSetItemProp list;
    list.Load({kYear, kAuthor});
    list.setCurrentCell(1, 1);
    list.RemoveSelectedRow();
    QCOMPARE(list.rowCount(), 2);
    list.setCurrentCell(0, 1);
    list.RemoveSelectedRow();
    QCOMPARE(list.Definitions(), DefinitionList{kAuthor});
  }

  void illegalPropertyNameWarnsButStays() {
    CListSetItemProp list;
    list.show();
    list.AddRow();
    list.setFocus();  // ends the name edit that AddRow started
    QString message;
    AnswerNextMessage(&message);
    list.item(0, 1)->setText("a b");
    QCOMPARE(message, IllegalPropertyNameText());
    QCOMPARE(list.Definitions().front().name, std::string("a b"));
    QCOMPARE(list.Definitions().front().origin, std::string("Self"));
  }

  void conflictingParentPropertiesEmptyTheList() {
    fixture_->AddSet("P1", {fixture_->root()}, {{"X", "NUMBER", "", "", "0", "Self"}});
    fixture_->AddSet("P2", {fixture_->root()}, {{"X", "STRING", "", "", "", "Self"}});
    SetDialogData data = NewSetUnder({"P1"});
    data.definitions = fixture_->store().GetDefinitions("P1");
    data.definitions.front().origin = "Parent";
    CNewSetDlg dialog(fixture_->store(), data);
    QCOMPARE(dialog.PropertyList()->rowCount(), 1);

    QString message;
    AnswerNextMessage(&message);
    SetChecked(dialog.ParentTree(), "P2", true);
    QCOMPARE(message, QString("父集属性命名冲突!"));
    QCOMPARE(dialog.PropertyList()->rowCount(), 0);

    // Unticking the second parent brings the inherited definition back.
    SetChecked(dialog.ParentTree(), "P2", false);
    QCOMPARE(dialog.PropertyList()->Definitions().size(), size_t(1));
    QCOMPARE(dialog.PropertyList()->Definitions().front().origin, std::string("Parent"));
  }

  void ownPropertyOfAnInheritedNameAndOtherTypeConflicts() {
    fixture_->AddSet("P1", {fixture_->root()}, {{"X", "NUMBER", "", "", "0", "Self"}});
    SetDialogData data = NewSetUnder({"A"});
    data.definitions = {{"X", "STRING", "", "", "", "Self"}};
    CNewSetDlg dialog(fixture_->store(), data);
    QString message;
    AnswerNextMessage(&message);
    SetChecked(dialog.ParentTree(), "P1", true);
    QCOMPARE(message, QString("属性命名冲突!"));
    QCOMPARE(dialog.PropertyList()->rowCount(), 0);
  }

  void checkTreeTicksEveryOccurrenceAndReadsTheDeepest() {
    CFileSetCheckTreeCtrl tree(fixture_->store());
    tree.Build({});
    ExpandWholeTree(&tree);
    QSignalSpy spy(&tree, &CFileSetCheckTreeCtrl::setCheckChanged);
    const QList<QTreeWidgetItem*> both = ItemsNamed(&tree, "C");
    QCOMPARE(both.size(), 2);
    both[1]->setCheckState(0, Qt::Checked);
    QCOMPARE(both[0]->checkState(0), Qt::Checked);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][0].toString(), QString("C"));
    QCOMPARE(spy[0][1].toBool(), true);

    SetChecked(&tree, "A", true);
    QCOMPARE(tree.CheckedNames(), NameList{"C"});
    QCOMPARE(tree.CheckedNames("C", false), NameList{"A"});

    tree.SetCheckedNames({"C"});
    QCOMPARE(ItemsNamed(&tree, "A").constFirst()->checkState(0), Qt::Unchecked);
    QVERIFY(ItemsNamed(&tree, "A").constFirst()->isExpanded());  // one path to C is opened
    QVERIFY(!ItemsNamed(&tree, "B").constFirst()->isExpanded());
  }

  void checkTreeOfALadderKeepsChecksByNameForPlacesBuiltLater() {
    AddSetLadder(fixture_->store(), 40);
    CFileSetCheckTreeCtrl tree(fixture_->store());
    QElapsedTimer clock;
    clock.start();
    tree.Build({"L39"});
    QVERIFY(clock.elapsed() < 2000);
    const QList<QTreeWidgetItem*> deepest = ItemsNamed(&tree, "L39");
    QCOMPARE(deepest.size(), 1);
    QCOMPARE(deepest[0]->checkState(0), Qt::Checked);
    QVERIFY(deepest[0]->parent()->isExpanded());

    SetChecked(&tree, "L1", true);                   // the place under L0, on the opened path
    QCOMPARE(tree.CheckedNames(), NameList{"L39"});  // L1 counts through its checked descendant
    QTreeWidgetItem* other = ItemsNamed(&tree, "R0").constFirst();
    QCOMPARE(other->childCount(), 0);
    other->setExpanded(true);
    const QList<QTreeWidgetItem*> copies = ItemsNamed(&tree, "L1");
    QCOMPARE(copies.size(), 2);
    QCOMPARE(copies[1]->checkState(0), Qt::Checked);
    other->setExpanded(false);
    other->setExpanded(true);
    QCOMPARE(copies[1]->checkState(0), Qt::Checked);
    copies[1]->setCheckState(0, Qt::Unchecked);
    QCOMPARE(copies[0]->checkState(0), Qt::Unchecked);
    deepest[0]->setCheckState(0, Qt::Unchecked);
    QCOMPARE(tree.CheckedNames(), NameList{});
  }

  void checkTreeCreatesAChildSetEverywhereItsParentIs() {
    CFileSetCheckTreeCtrl tree(fixture_->store());
    tree.Build({});
    ExpandWholeTree(&tree);
    tree.setCurrentItem(ItemsNamed(&tree, "C").constFirst());
    QSignalSpy spy(&tree, &CFileSetCheckTreeCtrl::setCreated);
    OnModal<CDlgNewChildSet>([](CDlgNewChildSet* dialog) {
      FindNamed<QLineEdit>(dialog, "名称")->setText("子集");
      PressOk(dialog);
    });
    tree.newChildSet();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(ItemsNamed(&tree, "子集").size(), 2);
    QCOMPARE(tree.currentItem()->text(0), QString("子集"));
    QCOMPARE(fixture_->ReloadFromDisk()->GetParents("子集"), NameList{"C"});

    OnModal<CDlgNewChildSet>([](CDlgNewChildSet* dialog) {
      FindNamed<QLineEdit>(dialog, "名称")->setText("A");
      PressOk(dialog);
    });
    QString message;
    AnswerNextMessage(&message);
    tree.newChildSet();
    QCOMPARE(message, QString("同名文件集已存在！"));
  }

  void resetRestoresTheOpeningDefinitions() {
    SetDialogData data = NewSetUnder({"A"});
    data.definitions = {kYear};
    CNewSetDlg dialog(fixture_->store(), data);
    dialog.PropertyList()->setCurrentCell(0, 1);
    dialog.PropertyList()->RemoveSelectedRow();
    QCOMPARE(dialog.PropertyList()->rowCount(), 0);
    FindNamed<QPushButton>(&dialog, "重置")->click();
    QCOMPARE(dialog.PropertyList()->Definitions(), DefinitionList{kYear});
  }
};

OVELIN_SHELL_SUITE("SetDialog", SetDialogTest)

}  // namespace ovelin::test

#include "set_dialog_test.moc"
