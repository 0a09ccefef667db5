// Related-query guidance: the dialog's tree, marks and menu, and guidance from the
// set tree, the view set list and the query panel.
#include <QAction>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "query/expression_evaluator.h"
#include "query/view_sets.h"
#include "query_test_library.h"
#include "shell/app/command_ids.h"
#include "shell/guidance/dlg_path_guid.h"
#include "shell/guidance/related_query_guidance.h"
#include "shell/mainwindow/main_frame.h"
#include "shell/query/right_view.h"
#include "shell/settings/config_copy.h"
#include "shell/settree/dlg_find_file_set.h"
#include "shell/settree/entity_tree_view.h"
#include "shell/settree/set_tree_items.h"
#include "shell/viewlist/view_list.h"
#include "shell_test_support.h"
#include "suite_registry.h"

namespace ovelin::test {
namespace {

// "Name" with its children in brackets, for comparing whole trees.
QString Shape(const QTreeWidgetItem* item) {
  QString text = item->text(0);
  if (item->childCount() == 0) return text;
  QStringList children;
  for (int i = 0; i < item->childCount(); ++i) children.append(Shape(item->child(i)));
  return text + "[" + children.join(",") + "]";
}

QList<GuidanceMark> MarksOf(const CDlgPathGuid& dialog, const QString& name) {
  QList<GuidanceMark> marks;
  for (const QTreeWidgetItem* item : ItemsNamed(dialog.Tree(), name)) marks.append(CDlgPathGuid::MarkOf(item));
  return marks;
}

QTreeWidgetItem* First(const CDlgPathGuid& dialog, const QString& name) {
  return ItemsNamed(dialog.Tree(), name).value(0);
}

// The query panel shows an expression in its normalised form.
QString Normalized(const CFileSetStore& store, const std::string& expression) {
  const auto evaluated = EvaluateExpression(store, expression);
  return evaluated ? QString::fromStdString(evaluated->normalized) : QString();
}

void FindInDialog(CDlgPathGuid& dialog, const QString& text, QString* shownText = nullptr) {
  dialog.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  OnModal<CDlgFindFileSet>([text, shownText](CDlgFindFileSet* find) {
    auto* field = FindNamed<QLineEdit>(find, "名称");
    if (shownText) *shownText = field->text();
    field->setText(text);
    PressOk(find);
  });
  QTest::keyClick(&dialog, Qt::Key_F, Qt::ControlModifier);
}

const GuidancePaths kPaths{{"/R/A/Both", "/R/B/Both", "/R/A/A1"}};

}  // namespace

class GuidanceTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QueryLibrary> library_;

 private slots:
  void init() {
    // Keyword searches by names only finish at once.
    library_ = std::make_unique<QueryLibrary>();
    ConfigCopy config;
    QVERIFY(config.Load(library_->store().GetConfigXml()));
    config.Set("KeywordsSearch", "SearchFileContent", "false");
    QVERIFY(library_->store().SetConfigXml(config.Xml()));
  }
  void cleanup() { library_.reset(); }

  void marksFollowTheSetAtEveryPlaceAndMakeTheExpression() {
    CDlgPathGuid dialog(kPaths, "X", "kw");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QString("相关查询制导"));
    QTreeWidget* tree = dialog.Tree();
    QVERIFY(!dialog.LeftOutNote());
    QCOMPARE(tree->topLevelItemCount(), 1);
    QCOMPARE(Shape(tree->topLevelItem(0)), QString("R[A[Both,A1],B[Both]]"));
    QVERIFY(tree->topLevelItem(0)->isExpanded() && First(dialog, "B")->isExpanded());
    auto* expression = FindNamed<QLineEdit>(&dialog, "查询表达式");
    QVERIFY(expression && expression->isReadOnly());
    QCOMPARE(expression->text(), QString("X"));
    QCOMPARE(FindNamed<QLineEdit>(&dialog, "搜索关键字")->text(), QString("kw"));

    // A click on the picture of one place marks both places alike.
    const QList<QTreeWidgetItem*> both = ItemsNamed(tree, "Both");
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, dialog.MarkRect(both[1]).center());
    QCOMPARE(MarksOf(dialog, "Both"), (QList<GuidanceMark>{kGuidanceIntersect, kGuidanceIntersect}));
    QCOMPARE(both[0]->icon(0).cacheKey(), both[1]->icon(0).cacheKey());
    QVERIFY(both[0]->icon(0).cacheKey() != First(dialog, "A1")->icon(0).cacheKey());
    QCOMPARE(dialog.Expression(), QString("(X)^Both"));

    // A click on the name only selects.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(both[0]).topRight() + QPoint(-2, 4));
    QCOMPARE(MarksOf(dialog, "Both"), (QList<GuidanceMark>{kGuidanceIntersect, kGuidanceIntersect}));

    // Space advances the selected set's mark: intersect, except, unmarked.
    tree->setCurrentItem(First(dialog, "A1"));
    QTest::keyClick(tree, Qt::Key_Space);
    QTest::keyClick(tree, Qt::Key_Space);
    QCOMPARE(MarksOf(dialog, "A1"), QList<GuidanceMark>{kGuidanceExcept});
    QCOMPARE(dialog.Expression(), QString("(X)^Both-A1"));
    QTest::keyClick(tree, Qt::Key_Space);
    QCOMPARE(dialog.Expression(), QString("(X)^Both"));
  }

  void contextMenuMarksChildrenClearsBelowAndFinds() {
    CDlgPathGuid dialog(kPaths, "X", {});
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QStringList entries;
    QList<int> ids;
    for (const QAction* action : dialog.ContextMenu()->actions()) {
      entries.append(action->text());
      ids.append(action->data().toInt());
    }
    QCOMPARE(entries, (QStringList{"文件集查找\tCtrl+F", "反选所有直接子结点", "清除子结点选中状态"}));
    QCOMPARE(ids, (QList<int>{32878, 32877, 32880}));

    // A right click selects the item under the mouse, then shows the menu.
    QTreeWidget* tree = dialog.Tree();
    bool shown = false;
    QTimer::singleShot(50, [&shown] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      shown = true;
      menu->actions()[1]->trigger();
      menu->close();
    });
    const QPoint at = tree->visualItemRect(First(dialog, "A")).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, tree->viewport()->mapToGlobal(at));
    QApplication::sendEvent(tree->viewport(), &click);
    QVERIFY(shown);
    QCOMPARE(tree->currentItem(), First(dialog, "A"));
    QCOMPARE(MarksOf(dialog, "Both"), (QList<GuidanceMark>{kGuidanceExcept, kGuidanceExcept}));
    QCOMPARE(MarksOf(dialog, "A"), QList<GuidanceMark>{kGuidanceUnmarked});
    QCOMPARE(dialog.Expression(), QString("(X)-Both-A1"));
    dialog.advanceMark(First(dialog, "R"));
    tree->setCurrentItem(First(dialog, "B"));
    dialog.ContextMenu()->actions()[2]->trigger();  // clears Both under B, and so under A too
    QCOMPARE(MarksOf(dialog, "Both"), (QList<GuidanceMark>{kGuidanceUnmarked, kGuidanceUnmarked}));
    QCOMPARE(MarksOf(dialog, "R"), QList<GuidanceMark>{kGuidanceIntersect});
    QCOMPARE(dialog.Expression(), QString("(X)^R-A1"));

    // Ctrl+F anywhere: the next match after the selection, its own remembered text, no wrap-around.
    tree->setCurrentItem(First(dialog, "R"));
    FindInDialog(dialog, "  bOTH ");
    QCOMPARE(tree->currentItem(), ItemsNamed(tree, "Both")[0]);
    QString remembered;
    FindInDialog(dialog, "both", &remembered);
    QCOMPARE(remembered, QString("bOTH"));
    QCOMPARE(tree->currentItem(), ItemsNamed(tree, "Both")[1]);
    QString message;
    AnswerNextMessage(&message);
    FindInDialog(dialog, "both");
    QCOMPARE(message, QString("没有找到对应项！"));
    QCOMPARE(tree->currentItem(), ItemsNamed(tree, "Both")[1]);
  }

  void okFromTheSetTreeRunsTheNarrowedQuery() {
    // AB, below A and B, holds an item of A's: B's place joins the tree.
    library_->AddSet("AB", {"A", "B"});
    library_->File("AB", "ab.txt", "x");
    CMainFrame frame(library_->store());
    frame.resize(1000, 700);
    CEntityTreeView* tree = frame.Tree();
    frame.SetActivePane(CMainFrame::Pane::Tree);
    tree->setCurrentItem(nullptr);
    QVERIFY(!frame.Action(kCmdGuidance)->isEnabled());
    tree->setCurrentItem(ItemsNamed(tree, "A").constFirst());
    QVERIFY(frame.Action(kCmdGuidance)->isEnabled());

    const QString root = QString::fromStdString(library_->root());
    QString shape;
    OnModal<CDlgPathGuid>([&shape](CDlgPathGuid* dialog) {
      shape = Shape(dialog->Tree()->topLevelItem(0));
      dialog->advanceMark(ItemsNamed(dialog->Tree(), "A1").constFirst());
      dialog->advanceMark(ItemsNamed(dialog->Tree(), "A1").constFirst());
      FindNamed<QLineEdit>(dialog, "搜索关键字")->setText("txt");
      PressOk(dialog);
    });
    frame.Action(kCmdGuidance)->trigger();
    QCOMPARE(shape, root + "[A[A1,A2,AB],B[AB]]");
    CRightView* panel = frame.QueryPanel();
    QVERIFY(panel->CurrentKey());
    QCOMPARE(panel->CurrentKey()->expression, Normalized(library_->store(), "(A)-A1"));
    QCOMPARE(panel->CurrentKey()->keywords, QString("txt"));
    QCOMPARE(panel->CurrentResult()->size(), size_t(3));  // a.txt, alpha two.txt, ab.txt

    // Cancel runs nothing.
    OnModal<CDlgPathGuid>([](CDlgPathGuid* dialog) { dialog->reject(); });
    tree->requestGuidance();
    QCOMPARE(panel->CurrentKey()->expression, Normalized(library_->store(), "(A)-A1"));
  }

  void viewListAndQueryPanelOpenItPreset() {
    QVERIFY(AddViewSet(library_->store(), "nothing", "A2-A2"));
    CViewList list(library_->store());
    QVERIFY(!list.GuidanceAvailable());
    list.setCurrentRow(0);
    QVERIFY(list.GuidanceAvailable());
    QSignalSpy requests(&list, &CViewList::runQuery);
    int places = -1;
    OnModal<CDlgPathGuid>([&places](CDlgPathGuid* dialog) {
      places = dialog->Tree()->topLevelItemCount();
      PressOk(dialog);
    });
    list.requestGuidance();  // a view set that denotes no item: an empty tree, and the name back
    QCOMPARE(places, 0);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests[0][0].toString(), QString("nothing;"));
    QCOMPARE(requests[0][1].toInt(), 0);

    CRightView panel(library_->store());
    QVERIFY(!panel.GuidanceAvailable());
    panel.runQuery("A", "alpha", 0);
    QVERIFY(panel.GuidanceAvailable());
    QString preset;
    OnModal<CDlgPathGuid>([&preset](CDlgPathGuid* dialog) {
      preset = dialog->Expression() + "|" + dialog->Keywords();
      dialog->advanceMark(ItemsNamed(dialog->Tree(), "A2").constFirst());
      PressOk(dialog);
    });
    panel.requestGuidance();
    QCOMPARE(preset, QString("A|alpha"));
    QCOMPARE(panel.CurrentKey()->expression, Normalized(library_->store(), "(A)^A2"));
    QCOMPARE(panel.CurrentResult()->size(), size_t(1));
    QVERIFY(panel.CanBack());
  }

  void aThousandRelatedSetsOpenPromptly() {
    // 1,000 sets, each under two of ten groups and holding one address: 2,000 places.
    CFileSetStore& store = library_->store();
    const std::string root = library_->root();
    for (int g = 0; g < 10; ++g) store.CreateFileSet("G" + std::to_string(g), {root}, "", StorePathKind::ExParent, {});
    for (int i = 0; i < 1000; ++i) {
      const std::string name = "S" + std::to_string(i);
      store.CreateFileSet(name, {"G" + std::to_string(i % 10), "G" + std::to_string((i + 1) % 10)}, "",
                          StorePathKind::ExParent, {});
      ItemList items(name);
      CFileItem item(name, "http://example.com/" + name);
      item.AddOwningSet(name);
      items.Insert(item);
      store.WriteSetElements(items);
    }
    store.RebuildRootItems();
    CEntityTreeView tree(store);
    tree.setCurrentItem(tree.topLevelItem(0));

    QElapsedTimer clock;
    qint64 shownAfter = -1;
    int items = 0;
    OnModal<CDlgPathGuid>([&](CDlgPathGuid* dialog) {
      shownAfter = clock.elapsed();
      for (QTreeWidgetItem* at = dialog->Tree()->topLevelItem(0); at; at = NextInDisplayOrder(at)) ++items;
      dialog->advanceMark(ItemsNamed(dialog->Tree(), "S7").constFirst());
      dialog->reject();
    });
    clock.start();
    tree.requestGuidance();
    QVERIFY(shownAfter >= 0);
    QVERIFY2(shownAfter < 3000, qPrintable(QString("opened after %1 ms").arg(shownAfter)));
    // More sets than the cap on paths, so each gets its first path: the root, A with
    // A1 and A2, B, the groups that come first among a set's parents (G9 never does)
    // and every set once.
    QCOMPARE(items, 1 + 3 + 1 + 9 + 1000);
  }

  void pathsOfALadderAreCappedAndTheRestCounted() {
    // Forty levels of two sets, each under both sets above: 2^39 paths to L39 and to R39.
    CFileSetStore& store = library_->store();
    AddSetLadder(store, 40);
    library_->File("L39", "left", "", "http://example.com/left");
    library_->File("R39", "right", "", "http://example.com/right");
    QElapsedTimer clock;
    clock.start();
    // Every item: A, A1, A2 and B have one path each.
    const GuidancePaths related = RelatedSetPaths(store, GetItemsByName(store, library_->root()).value());
    QCOMPARE(related.paths.size(), kMaxGuidancePaths);
    const size_t allPaths = (size_t{1} << 40) + 4;
    QCOMPARE(related.leftOut, allPaths - kMaxGuidancePaths);
    CDlgPathGuid dialog(related, "X", {});
    QVERIFY(clock.elapsed() < 3000);
    QVERIFY(dialog.LeftOutNote());
    QCOMPARE(dialog.LeftOutNote()->text(), QString("另有 %1 条路径未列出").arg(allPaths - kMaxGuidancePaths));
    for (const QString name : {"A1", "B", "L39", "R39"}) QVERIFY(!ItemsNamed(dialog.Tree(), name).isEmpty());
  }
};

OVELIN_SHELL_SUITE("Guidance", GuidanceTest)

}  // namespace ovelin::test

#include "guidance_test.moc"
