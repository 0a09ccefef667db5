// The entity set tree: drawing the graph, query requests, find, and the set
// commands that change the data file.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "query/view_sets.h"
#include "shell/app/qt_text.h"
#include "shell/dialogs/dlg_del_set_option.h"
#include "shell/dialogs/new_set_dlg.h"
#include "shell/settree/dlg_find_file_set.h"
#include "shell/settree/entity_tree_view.h"
#include "shell/settree/file_set_check_tree_ctrl.h"
#include "shell/settree/name_completion.h"
#include "shell/settree/set_tree_items.h"
#include "shell_test_support.h"
#include "suite_registry.h"

namespace ovelin::test {
namespace {

QStringList ChildNames(const QTreeWidgetItem* item) {
  QStringList names;
  for (int i = 0; i < item->childCount(); ++i) names.append(item->child(i)->text(0));
  return names;
}

QTreeWidgetItem* FirstNamed(const QTreeWidget& tree, const QString& name) {
  const QList<QTreeWidgetItem*> items = ItemsNamed(&tree, name);
  return items.isEmpty() ? nullptr : items.constFirst();
}

}  // namespace

class SetTreeTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<StoreFixture> fixture_;
  std::unique_ptr<CEntityTreeView> tree_;

  // root ─ Zeta, Alpha, 中文 (created in that order); Both under Alpha and Zeta; Leaf under Both.
  void MakeGraph() {
    fixture_ = std::make_unique<StoreFixture>();
    const std::string root = fixture_->root();
    for (const char* name : {"Zeta", "Alpha", "中文"}) fixture_->AddSet(name, {root});
    fixture_->AddSet("Both", {"Alpha", "Zeta"});
    fixture_->AddSet("Leaf", {"Both"});
    fixture_->store().SetNote("Alpha", std::string(100, 'n'));
    tree_ = std::make_unique<CEntityTreeView>(fixture_->store());
    tree_->resize(300, 400);
    ExpandWholeTree(tree_.get());
  }

 private slots:
  void init() { MakeGraph(); }
  void cleanup() {
    tree_.reset();
    fixture_.reset();
  }

  void showsEverySetUnderEachParentInNameOrder() {
    QTreeWidgetItem* root = tree_->topLevelItem(0);
    QCOMPARE(root->text(0), ToQ(fixture_->root()));
    QCOMPARE(ChildNames(root), (QStringList{"Alpha", "Zeta", "中文"}));
    const QList<QTreeWidgetItem*> both = ItemsNamed(tree_.get(), "Both");
    QCOMPARE(both.size(), 2);
    QCOMPARE(both[0]->parent()->text(0), QString("Alpha"));
    QCOMPARE(both[1]->parent()->text(0), QString("Zeta"));
    for (const QTreeWidgetItem* item : both) QCOMPARE(ChildNames(item), QStringList{"Leaf"});
    QCOMPARE(tree_->currentItem(), root);
  }

  void damagedParentCycleDoesNotRecurseForever() {
    // A hand-edited file can link a set below its own descendant; the tree stops there.
    CFileSetStore& store = fixture_->store();
    const std::string xml = store.GetXml(false);
    std::string cyclic = xml;
    const std::string childs = "<Name>Leaf</Name>";
    const size_t at = cyclic.find(childs);
    QVERIFY(at != std::string::npos);
    const size_t childsAt = cyclic.find("<Childs", at);
    const size_t childsEnd = cyclic.find('>', childsAt);
    const bool selfClosing = cyclic[childsEnd - 1] == '/';
    cyclic.replace(childsAt, childsEnd - childsAt + 1, selfClosing ? "<Childs>Alpha</Childs>" : "<Childs>Alpha;");
    QVERIFY(store.LoadXml(cyclic));
    tree_->Rebuild();
    ExpandWholeTree(tree_.get());
    const QList<QTreeWidgetItem*> leaves = ItemsNamed(tree_.get(), "Leaf");
    QCOMPARE(leaves.size(), 2);
    QCOMPARE(ChildNames(leaves[0]), QStringList{});  // Alpha is already on the path above
    QCOMPARE(ChildNames(leaves[1]), QStringList{"Alpha"});
  }

  void doubleClickAndEnterRequestTheSetsContents() {
    tree_->show();
    QVERIFY(QTest::qWaitForWindowExposed(tree_.get()));
    QSignalSpy spy(tree_.get(), &CEntityTreeView::runQuery);
    QTreeWidgetItem* alpha = FirstNamed(*tree_, "Alpha");
    const QPoint at = tree_->visualItemRect(alpha).center();
    // A real double click starts with a press; QTest sends only the double-click event.
    QTest::mouseClick(tree_->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree_->viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy[0][0].toString(), QString("Alpha"));
    QCOMPARE(spy[0][1].toInt(), 0);

    tree_->setCurrentItem(FirstNamed(*tree_, "Zeta"));
    QTest::keyClick(tree_.get(), Qt::Key_Return);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy[1][0].toString(), QString("Zeta"));
  }

  void findWalksForwardThroughTheSetsIgnoringCaseAndDoesNotWrap() {
    // Each set is met once, where a walk down the tree first meets it.
    QVERIFY(tree_->FindNext("bOTH"));
    QCOMPARE(tree_->currentItem(), ItemsNamed(tree_.get(), "Both")[0]);
    QVERIFY(tree_->FindNext("A"));
    QCOMPARE(tree_->currentItem()->text(0), QString("Leaf"));
    QVERIFY(tree_->FindNext("a"));
    QCOMPARE(tree_->currentItem()->text(0), QString("Zeta"));

    QString message;
    AnswerNextMessage(&message);
    QVERIFY(!tree_->FindNext("both"));
    QCOMPARE(message, QString("没有找到对应项！"));
    QCOMPARE(tree_->currentItem()->text(0), QString("Zeta"));
  }

  void ladderBuildsOnlyWhatIsExpandedAndFindsTheDeepestSet() {
    // 2^39 places for each set of the last level: the tree must not unfold them.
    AddSetLadder(fixture_->store(), 40);
    QElapsedTimer clock;
    clock.start();
    tree_->Rebuild();
    QTreeWidgetItem* first = FirstNamed(*tree_, "L0");
    QCOMPARE(first->childCount(), 0);
    QCOMPARE(first->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    QCOMPARE(FirstNamed(*tree_, "中文")->childIndicatorPolicy(), QTreeWidgetItem::DontShowIndicatorWhenChildless);

    QVERIFY(tree_->FindNext("r39"));
    QTreeWidgetItem* found = tree_->currentItem();
    QCOMPARE(found->text(0), QString("R39"));
    int depth = 0;
    for (const QTreeWidgetItem* at = found->parent(); at; at = at->parent(), ++depth) QVERIFY(at->isExpanded());
    QCOMPARE(depth, 40);
    int built = 0;
    for (QTreeWidgetItem* at = tree_->topLevelItem(0); at; at = NextInDisplayOrder(at)) ++built;
    QVERIFY2(built < 200, qPrintable(QString::number(built)));

    // A set created below a deep set shows under its built place and is found.
    tree_->setCurrentItem(found);
    OnModal<CNewSetDlg>([](CNewSetDlg* dialog) {
      FindNamed<QLineEdit>(dialog, "名称")->setText("Bottom");
      PressOk(dialog);
    });
    tree_->newSet();
    QCOMPARE(ItemsNamed(tree_.get(), "Bottom").size(), 1);
    QVERIFY(clock.elapsed() < 5000);
  }

  void findDialogTrimsAndRemembersTheText() {
    OnModal<CDlgFindFileSet>([](CDlgFindFileSet* dialog) {
      dialog->findChild<QLineEdit*>()->setText("  leaf ");
      PressOk(dialog);
    });
    tree_->findSet();
    QCOMPARE(tree_->currentItem()->text(0), QString("Leaf"));

    QString shown;
    OnModal<CDlgFindFileSet>([&shown](CDlgFindFileSet* dialog) {
      shown = dialog->findChild<QLineEdit*>()->text();
      dialog->reject();
    });
    tree_->findSet();
    QCOMPARE(shown, QString("leaf"));
  }

  void newSetIsCreatedSavedAndShownUnderItsParent() {
    tree_->setCurrentItem(FirstNamed(*tree_, "Both"));
    OnModal<CNewSetDlg>([](CNewSetDlg* dialog) {
      FindNamed<QLineEdit>(dialog, "名称")->setText("新集");
      PressOk(dialog);
    });
    tree_->newSet();

    const QList<QTreeWidgetItem*> created = ItemsNamed(tree_.get(), "新集");
    QCOMPARE(created.size(), 2);  // Both appears twice
    for (const QTreeWidgetItem* item : created) QCOMPARE(item->parent()->text(0), QString("Both"));
    const auto disk = fixture_->ReloadFromDisk();
    QVERIFY(disk);
    QCOMPARE(disk->GetParents("新集"), NameList{"Both"});
    const StorePath path = disk->GetStorePath("新集");
    QCOMPARE(path.kind, StorePathKind::ExParent);
    QCOMPARE(path.text, std::string("Both"));
  }

  void newSetWithATakenNameIsRefused() {
    QVERIFY(AddViewSet(fixture_->store(), "视图", "Alpha"));
    const QList<std::pair<QString, QString>> cases{{"Zeta", "已有名为\"Zeta\"的文件集"},
                                                   {"视图", "已有名为\"视图\"的视图集"}};
    for (const auto& [taken, reason] : cases) {
      OnModal<CNewSetDlg>([name = taken](CNewSetDlg* dialog) {
        FindNamed<QLineEdit>(dialog, "名称")->setText(name);
        PressOk(dialog);
      });
      QString message;
      AnswerNextMessage(&message);
      tree_->newSet();
      QCOMPARE(message, "名称已经存在！\n" + reason);
    }
    QCOMPARE(ItemsNamed(tree_.get(), "Zeta").size(), 1);
  }

  void propertiesRenameAndReparentEveryOccurrence() {
    tree_->setCurrentItem(FirstNamed(*tree_, "Leaf"));
    OnModal<CNewSetDlg>([](CNewSetDlg* dialog) {
      FindNamed<QLineEdit>(dialog, "名称")->setText("Leaf2");
      FindNamed<QLineEdit>(dialog, "说明注释")->setText("注释");
      // Ticking 中文 as a second parent, as a click on its check box does.
      FirstNamed(*dialog->ParentTree(), "中文")->setCheckState(0, Qt::Checked);
      PressOk(dialog);
    });
    tree_->setProperties();

    QVERIFY(ItemsNamed(tree_.get(), "Leaf").isEmpty());
    QStringList parents;
    for (const QTreeWidgetItem* item : ItemsNamed(tree_.get(), "Leaf2")) parents.append(item->parent()->text(0));
    QCOMPARE(parents, (QStringList{"Both", "Both", "中文"}));
    const auto disk = fixture_->ReloadFromDisk();
    QCOMPARE(disk->GetParents("Leaf2"), (NameList{"Both", "中文"}));
    QCOMPARE(disk->GetNote("Leaf2"), std::string("注释"));
    QVERIFY(!disk->FindFileSet("Leaf"));
  }

  void renameToAnExistingNameKeepsTheOldName() {
    tree_->setCurrentItem(FirstNamed(*tree_, "Leaf"));
    OnModal<CNewSetDlg>([](CNewSetDlg* dialog) {
      FindNamed<QLineEdit>(dialog, "名称")->setText("Alpha");
      PressOk(dialog);
    });
    QString message;
    AnswerNextMessage(&message);
    tree_->setProperties();
    QCOMPARE(message, QString("名称和现存文件集冲突！\n已有名为\"Alpha\"的文件集"));
    QCOMPARE(ItemsNamed(tree_.get(), "Leaf").size(), 2);
    QVERIFY(fixture_->ReloadFromDisk()->FindFileSet("Leaf"));
  }

  void parentThatWouldMakeACycleIsRefusedAndReported() {
    tree_->setCurrentItem(FirstNamed(*tree_, "Alpha"));
    OnModal<CNewSetDlg>([](CNewSetDlg* dialog) {
      dialog->ParentTree()->RevealSet("Leaf")->setCheckState(0, Qt::Checked);
      PressOk(dialog);
    });
    QString message;
    AnswerNextMessage(&message);
    tree_->setProperties();
    QVERIFY(message.startsWith("父文件集设置失败"));
    QCOMPARE(fixture_->ReloadFromDisk()->GetParents("Alpha"), NameList{fixture_->root()});
    QCOMPARE(ItemsNamed(tree_.get(), "Alpha").size(), 1);
  }

  void removeSetDeletesEveryOccurrenceAndOrphanedChildren() {
    tree_->setCurrentItem(ItemsNamed(tree_.get(), "Both").last());
    QString title;
    OnModal<CDlgDelSetOption>([&title](CDlgDelSetOption* dialog) {
      title = dialog->windowTitle();
      QVERIFY(!dialog->DeleteFiles());
      PressOk(dialog);
    });
    tree_->removeSet();
    QCOMPARE(title, QString("删除文件集-\"Both\""));
    QVERIFY(ItemsNamed(tree_.get(), "Both").isEmpty());
    QVERIFY(ItemsNamed(tree_.get(), "Leaf").isEmpty());
    const auto disk = fixture_->ReloadFromDisk();
    QVERIFY(!disk->FindFileSet("Both"));
    QVERIFY(!disk->FindFileSet("Leaf"));
    QVERIFY(disk->FindFileSet("Alpha"));
  }

  void rootCannotBeRemoved() {
    tree_->setCurrentItem(tree_->topLevelItem(0));
    QVERIFY(!tree_->CanRemoveSet());
    tree_->removeSet();  // no dialog opens: it would block this test
    QVERIFY(fixture_->ReloadFromDisk()->FindFileSet(fixture_->root()));
  }

  void quickViewSetIsAddedOnceThenRefused() {
    tree_->setCurrentItem(FirstNamed(*tree_, "Alpha"));
    QSignalSpy spy(tree_.get(), &CEntityTreeView::viewSetsChanged);
    tree_->quickViewSet();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(fixture_->ReloadFromDisk()->GetViewSetExpression("Alpha的快捷"), std::string("Alpha"));

    QString message;
    AnswerNextMessage(&message);
    tree_->quickViewSet();
    QCOMPARE(message, QString("快捷方式已存在！"));
    QCOMPARE(spy.count(), 1);
  }

  void selectingAnAncestorDoesNotExpandIt() {
    QTreeWidgetItem* alpha = FirstNamed(*tree_, "Alpha");
    tree_->setCurrentItem(alpha);
    QVERIFY(alpha->isExpanded());
    tree_->setCurrentItem(alpha->child(0));
    alpha->setExpanded(false);
    tree_->setCurrentItem(alpha);
    QVERIFY(!alpha->isExpanded());
  }

  void completionProposesNamesForThePartialWord_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("completed");  // with the first entry chosen
    QTest::newRow("prefix ignoring case") << "al" << QStringList{"Alpha"} << "Alpha";
    QTest::newRow("inside a group") << "Zeta+(b" << QStringList{"Both"} << "Zeta+(Both";
    QTest::newRow("view sets too") << "Zeta-视" << QStringList{"视图"} << "Zeta-视图";
    QTest::newRow("chinese after ascii") << "Alpha^中" << QStringList{"中文"} << "Alpha^中文";
    QTest::newRow("no match clears") << "Leaf+xyz" << QStringList{"<错误文件集名称,清除>"} << "Leaf+";
    QTest::newRow("after an operator") << "Leaf+"
                                       << QStringList{"Alpha", "Both", "Leaf", "Zeta", "中文", "我的文档", "视图"}
                                       << "Leaf+Alpha";
  }

  void completionProposesNamesForThePartialWord() {
    QFETCH(QString, typed);
    QVERIFY(AddViewSet(fixture_->store(), "视图", "Alpha"));
    const auto proposal = ProposeSetNames(fixture_->store(), typed);
    QVERIFY(proposal);
    QTEST(proposal->entries, "entries");
    QTEST(ApplyProposal(typed, *proposal, proposal->entries.constFirst()), "completed");
  }

  void completionStopsAtConditions() {
    QVERIFY(!ProposeSetNames(fixture_->store(), "Alpha Year>3"));
    QVERIFY(ProposeSetNames(fixture_->store(), "Alpha Year>3+Ze"));
  }

  void tooltipsAreNotesCutTo79Characters() {
    QCOMPARE(NoteTooltip(std::string(79, 'x')).size(), 79);
    const QString cut = NoteTooltip(std::string(100, 'n'));
    QCOMPARE(cut.size(), 79);
    QVERIFY(cut.endsWith(QChar(0x2026)));
    QCOMPARE(NoteTooltip("注释"), QString("注释"));
  }
};

OVELIN_SHELL_SUITE("SetTree", SetTreeTest)

}  // namespace ovelin::test

#include "set_tree_test.moc"
