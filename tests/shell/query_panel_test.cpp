// The query panel: running sets from the tree, combining, the history, grouping,
// keyword searches (also reading contents on the worker), saving a query as a
// view set, failures, deleting items and the expression field's completion.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "query/expression_evaluator.h"
#include "query/keyword_search.h"
#include "query/view_sets.h"
#include "query_test_library.h"
#include "shell/app/command_ids.h"
#include "shell/mainwindow/main_frame.h"
#include "shell/query/content_keyword_search.h"
#include "shell/query/dlg_del_file_item_option.h"
#include "shell/query/query_exp_edit.h"
#include "shell/query/query_res_list.h"
#include "shell/query/right_view.h"
#include "shell/settings/config_copy.h"
#include "shell/settree/dlg_hint_set_name.h"
#include "shell/settree/entity_tree_view.h"
#include "shell/settree/set_tree_items.h"
#include "shell/viewlist/dlg_view_set_def.h"
#include "suite_registry.h"

namespace ovelin::test {
namespace {

// The name column of every row, top to bottom.
QStringList Names(const CRightView& panel) {
  QStringList names;
  for (const ResultRow& row : panel.ResultList()->Model().Rows()) names.append(row.name);
  return names;
}

// The names of the result's items, in path order.
QStringList ResultNames(const CRightView& panel) {
  QStringList names;
  if (!panel.CurrentResult()) return names;
  for (const CFileItem& item : *panel.CurrentResult()) names.append(QString::fromStdString(item.GetName()));
  return names;
}

QStringList GroupingTexts(const CRightView& panel) {
  QStringList texts;
  for (int i = 0; i < panel.GroupingBox()->count(); ++i) texts.append(panel.GroupingBox()->itemText(i));
  return texts;
}

QString CurrentExpression(const CRightView& panel) {
  return panel.CurrentKey() ? panel.CurrentKey()->expression : QString();
}

QString Normalized(const CFileSetStore& store, const std::string& expression) {
  const auto evaluated = EvaluateExpression(store, expression);
  return evaluated ? QString::fromStdString(evaluated->normalized) : QString();
}

}  // namespace

class QueryPanelTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QueryLibrary> library_;
  std::unique_ptr<CRightView> panel_;

  void SetConfig(const char* section, const char* key, const char* value) {
    ConfigCopy config;
    QVERIFY(config.Load(library_->store().GetConfigXml()));
    config.Set(section, key, value);
    QVERIFY(library_->store().SetConfigXml(config.Xml()));
  }

  // Keyword searches without file contents finish at once.
  void NamesOnlySearch(bool includeAll) {
    SetConfig("KeywordsSearch", "SearchFileContent", "false");
    SetConfig("KeywordsSearch", "IncludeAll", includeAll ? "true" : "false");
  }

  void SelectRowNamed(const QString& name) {
    const auto& rows = panel_->ResultList()->Model().Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].name == name) panel_->ResultList()->selectRow(static_cast<int>(i));
    }
  }

  // A file that the Word converter is asked about, and a converter that takes 30 s.
  void AddSlowDocument() {
    const std::string script = library_->folder() + "/slow-catdoc";
    WriteTextFile(script, "#!/bin/sh\nsleep 30\n");
    QFile::setPermissions(QString::fromStdString(script), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qputenv("OVELIN_CATDOC", QByteArray::fromStdString(script));
    library_->File("A", "slow.doc", std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(600, '\0'));
  }

 private slots:
  void init() {
    library_ = std::make_unique<QueryLibrary>();
    panel_ = std::make_unique<CRightView>(library_->store());
    panel_->resize(700, 400);
  }
  void cleanup() {
    panel_.reset();
    library_.reset();
    qunsetenv("OVELIN_CATDOC");
  }

  void doubleClickInTheTreeFillsTheList() {
    CMainFrame frame(library_->store());
    frame.resize(1000, 700);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    CEntityTreeView* tree = frame.Tree();
    tree->expandAll();
    QTreeWidgetItem* a = ItemsNamed(tree, "A").constFirst();
    const QPoint at = tree->visualItemRect(a).center();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);  // a real double click starts with a press
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);

    CRightView* panel = frame.QueryPanel();
    QCOMPARE(CurrentExpression(*panel), QString("A"));
    QCOMPARE(panel->ExpressionField()->text(), QString("A"));
    // Without keywords the last grouping is chosen: A's children, then A's own item.
    QCOMPARE(GroupingTexts(*panel), (QStringList{"不分组", "A的子集"}));
    QCOMPARE(panel->GroupingBox()->currentIndex(), 1);
    QCOMPARE(Names(*panel), (QStringList{"A1", "A2", "a.txt"}));
    QCOMPARE(panel->ResultList()->Model().Rows()[0].count, 1);
    QVERIFY(frame.Action(kCmdRefresh)->isEnabled());
    QVERIFY(!frame.Action(kCmdBack)->isEnabled());

    panel->GroupingBox()->setCurrentIndex(0);
    QCOMPARE(Names(*panel), (QStringList{"a.txt", "alpha one.txt", "alpha two.txt"}));
    QCOMPARE(panel->ResultList()->Model().columnCount(), 3);
  }

  void combineModesWrapTheCurrentExpression_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("operand");
    QTest::addColumn<QString>("runs");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("and a child") << 1 << "A1"
                                 << "A1" << QStringList{"alpha one.txt"};
    QTest::newRow("or") << 2 << "B"
                        << "(A)+B"
                        << QStringList{"a.txt", "alpha one.txt", "alpha two.txt", "b report.txt", "网页 report"};
    QTest::newRow("except") << 3 << "A1"
                            << "(A)-A1" << QStringList{"a.txt", "alpha two.txt"};
  }

  void combineModesWrapTheCurrentExpression() {
    QFETCH(int, mode);
    QFETCH(QString, operand);
    QFETCH(QString, runs);
    QFETCH(QStringList, items);
    panel_->runQuery("A", {}, 0);
    panel_->runQuery(operand, {}, mode);
    QCOMPARE(CurrentExpression(*panel_), Normalized(library_->store(), runs.toStdString()));
    QCOMPARE(panel_->ExpressionField()->text(), CurrentExpression(*panel_));
    QCOMPARE(ResultNames(*panel_), items);
    QVERIFY(panel_->CanBack());
  }

  void combiningWithNothingShownDoesNothing() {
    panel_->runQuery("A", {}, 1);
    QVERIFY(!panel_->CurrentKey());
    QVERIFY(!panel_->CanRefresh());
  }

  void backForwardAndRefreshWalkTheHistory() {
    QSignalSpy changes(panel_.get(), &CRightView::stateChanged);
    panel_->runQuery("A", {}, 0);
    panel_->runQuery("B", {}, 0);
    const int before = changes.count();
    panel_->runQuery("B", {}, 0);  // the query shown now: nothing runs
    QCOMPARE(changes.count(), before);

    panel_->back();
    QCOMPARE(CurrentExpression(*panel_), QString("A"));
    QVERIFY(panel_->CanForward());
    QVERIFY(!panel_->CanBack());
    panel_->forward();
    QCOMPARE(CurrentExpression(*panel_), QString("B"));
    QVERIFY(!panel_->CanForward());
    panel_->back();
    panel_->runQuery("A2", {}, 0);  // a new query forgets the way forward
    QVERIFY(!panel_->CanForward());
    panel_->back();
    QCOMPARE(CurrentExpression(*panel_), QString("A"));

    library_->File("A", "late.txt", "x");
    QVERIFY(!ResultNames(*panel_).contains("late.txt"));
    panel_->refresh();
    QVERIFY(ResultNames(*panel_).contains("late.txt"));
  }

  void aFailedExpressionIsReportedAndRefreshRepeatsIt() {
    panel_->runQuery("A", {}, 0);
    QString message;
    AnswerNextMessage(&message);
    panel_->runQuery("A+(", "k", 0);
    QCOMPARE(message, QString("查询表达式错误，请检查!\n第3个字符处：\"(\"后面缺少文件集或视图集"));
    QVERIFY(!panel_->CurrentResult());
    QCOMPARE(panel_->ResultList()->Model().rowCount(), 0);
    QCOMPARE(panel_->ExpressionField()->text(), QString("A+("));
    QCOMPARE(panel_->KeywordField()->text(), QString("k"));
    QCOMPARE(panel_->GroupingBox()->count(), 0);

    message.clear();
    AnswerNextMessage(&message);
    panel_->refresh();
    QCOMPARE(message, QString("查询表达式错误，请检查!\n第3个字符处：\"(\"后面缺少文件集或视图集"));
    panel_->back();
    QCOMPARE(CurrentExpression(*panel_), QString("A"));
  }

  void groupRowsNarrowTheQueryAndTheRestFollows() {
    library_->File(library_->root(), "root.txt", "r");
    const QString root = QString::fromStdString(library_->root());
    panel_->runQuery(root, {}, 0);
    QCOMPARE(GroupingTexts(*panel_), (QStringList{"不分组", root + "的子集"}));
    QCOMPARE(Names(*panel_), (QStringList{"A", "B", "root.txt"}));
    const auto& rows = panel_->ResultList()->Model().Rows();
    QCOMPARE(rows[0].count, 3);
    QCOMPARE(rows[1].count, 2);
    QCOMPARE(rows[0].typeText, QString("分组"));

    panel_->ResultList()->activateRow(1);  // double click on the group row B
    QCOMPARE(CurrentExpression(*panel_), Normalized(library_->store(), "(" + library_->root() + ")^B"));
    QCOMPARE(ResultNames(*panel_), (QStringList{"b report.txt", "网页 report"}));
  }

  void narrowingByAGroupKeepsTheKeywords() {
    NamesOnlySearch(false);
    panel_->runQuery({}, "alpha", 0);  // keywords alone search the whole library
    QCOMPARE(CurrentExpression(*panel_), QString::fromStdString(library_->root()));
    QCOMPARE(panel_->GroupingBox()->currentIndex(), 0);  // no grouping while searching
    panel_->GroupingBox()->setCurrentIndex(1);
    QCOMPARE(Names(*panel_), (QStringList{"A"}));
    panel_->ResultList()->activateRow(0);
    QCOMPARE(panel_->CurrentKey()->keywords, QString("alpha"));
    QCOMPARE(ResultNames(*panel_), (QStringList{"alpha one.txt", "alpha two.txt"}));
  }

  void keywordSearchIsSortedByRank_data() {
    QTest::addColumn<bool>("includeAll");
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("ranks");
    QTest::newRow("any keyword") << false << "  ONE report  alpha"
                                 << QStringList{"alpha one.txt", "alpha two.txt", "b report.txt", "网页 report"}
                                 << QStringList{"2", "1", "1", "1"};
    QTest::newRow("every keyword") << true << "alpha ONE " << QStringList{"alpha one.txt"} << QStringList{"2"};
  }

  void keywordSearchIsSortedByRank() {
    QFETCH(bool, includeAll);
    QFETCH(QString, keywords);
    NamesOnlySearch(includeAll);
    panel_->runQuery("A+B", keywords, 0);
    QCOMPARE(panel_->KeywordField()->text(), keywords.trimmed());
    const ResultModel& model = panel_->ResultList()->Model();
    const int rank = model.SectionOf(ResultColumn::Rank);
    QVERIFY(rank >= 0);
    QCOMPARE(model.headerData(rank, Qt::Horizontal).toString(), QString("关键字等级"));
    QCOMPARE(panel_->ResultList()->SortSection(), rank);
    QVERIFY(!panel_->ResultList()->SortAscending());
    QStringList shownRanks;
    for (int row = 0; row < model.rowCount(); ++row) shownRanks.append(model.index(row, rank).data().toString());
    QFETCH(QStringList, names);
    QFETCH(QStringList, ranks);
    QCOMPARE(Names(*panel_), names);
    QCOMPARE(shownRanks, ranks);
  }

  void contentSearchRunsOnTheWorker() {
    SetConfig("KeywordsSearch", "IncludeAll", "false");  // contents are searched by default
    panel_->runQuery("A2", {}, 0);
    panel_->runQuery("A+B", "zebra", 0);
    QTRY_VERIFY(!panel_->IsSearching());
    QCOMPARE(Names(*panel_), (QStringList{"alpha one.txt", "b report.txt"}));
    QCOMPARE(panel_->CurrentKey()->keywords, QString("zebra"));
    panel_->back();
    QCOMPARE(CurrentExpression(*panel_), QString("A2"));
  }

  // The panel splits the search so that only file contents are read on the
  // worker; the answers must be those of the filter in one piece.
  void stagedSearchAgreesWithTheFilter_data() {
    QTest::addColumn<QString>("keywords");
    QTest::addColumn<bool>("allRequired");
    for (const bool all : {false, true}) {
      const char* suffix = all ? " (all)" : "";
      for (const char* keywords : {"zebra", "alpha ZEBRA", "one one alpha", "主页 report", "a1 nothing", "x"}) {
        QTest::newRow((std::string(keywords) + suffix).c_str()) << QString::fromUtf8(keywords) << all;
      }
    }
  }

  void stagedSearchAgreesWithTheFilter() {
    QFETCH(QString, keywords);
    QFETCH(bool, allRequired);
    const unsigned flags = kKeywordInName | kKeywordInDescription | kKeywordInSetNames | kKeywordInContent |
                           (allRequired ? kKeywordAllRequired : 0u);
    const auto evaluated = EvaluateExpression(library_->store(), library_->root());
    QVERIFY(evaluated);
    ItemList expected = evaluated->items;
    QVERIFY(FilterByKeywords(library_->store(), keywords.toStdString(), expected, flags));
    ContentSearchJob job = PrepareContentSearch(library_->store(), keywords.toStdString(), evaluated->items, flags);
    QVERIFY(FinishContentSearch(job, {}));
    auto ranked = [](const ItemList& items) {
      QStringList texts;
      for (const CFileItem& item : items) {
        texts.append(QString::fromStdString(item.GetName()) + "=" + QString::number(KeywordRankOf(item)));
      }
      return texts;
    };
    QCOMPARE(ranked(job.items), ranked(expected));
  }

  void aSlowSearchKeepsThePreviousResultAndCanBeCancelled() {
    AddSlowDocument();
    SetConfig("KeywordsSearch", "IncludeAll", "false");
    panel_->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel_.get()));
    panel_->runQuery("B", {}, 0);
    const QStringList shown = Names(*panel_);

    panel_->runQuery("A", "nowhere", 0);
    QVERIFY(panel_->IsSearching());
    QCOMPARE(CurrentExpression(*panel_), QString("B"));
    QCOMPARE(Names(*panel_), shown);
    QVERIFY(!panel_->CanBack());
    auto* cancel = FindNamed<QPushButton>(panel_.get(), "取消搜索");
    QVERIFY(cancel && cancel->isVisible());
    QTest::mouseClick(cancel, Qt::LeftButton);
    QVERIFY(!panel_->IsSearching());
    QVERIFY(!cancel->isVisible());
    QCOMPARE(CurrentExpression(*panel_), QString("B"));
    QVERIFY(!panel_->CanBack());

    // A new query replaces a running search; the stopped search never shows up.
    panel_->runQuery("A", "nowhere", 0);
    QVERIFY(panel_->IsSearching());
    QTest::keyClick(panel_.get(), Qt::Key_Escape);
    QVERIFY(!panel_->IsSearching());
    panel_->runQuery("A", "again", 0);
    panel_->runQuery("A2", {}, 0);
    QVERIFY(!panel_->IsSearching());
    QTest::qWait(300);
    QCOMPARE(CurrentExpression(*panel_), QString("A2"));
    QVERIFY(panel_->CanBack());
  }

  void theCurrentQuerySavesAsAViewSet() {
    QSignalSpy saved(panel_.get(), &CRightView::viewSetsChanged);
    panel_->runQuery("B+A", "report", 0);
    QTRY_VERIFY(!panel_->IsSearching());
    QString offered;
    OnModal<CDlgViewSetDef>([&offered](CDlgViewSetDef* dialog) {
      offered = dialog->Expression();
      FindNamed<QLineEdit>(dialog, "名称")->setText("saved");
      PressOk(dialog);
    });
    QVERIFY(panel_->newViewSetFromQuery());
    QCOMPARE(offered, CurrentExpression(*panel_));
    QCOMPARE(saved.count(), 1);
    QCOMPARE(QString::fromStdString(library_->ReloadFromDisk()->GetViewSetExpression("saved")), offered);

    OnModal<CDlgViewSetDef>([](CDlgViewSetDef* dialog) {
      FindNamed<QLineEdit>(dialog, "名称")->setText("A");  // an entity set's name
      PressOk(dialog);
    });
    QString message;
    AnswerNextMessage(&message);
    QVERIFY(!panel_->newViewSetFromQuery());
    QCOMPARE(message, QString("新增视图集失败，请检查名称是否重复是否含有非法字符以及表达式的正确性！\n"
                              "已有名为\"A\"的文件集"));
    QCOMPARE(saved.count(), 1);
  }

  void deletingItemsAsksThenDeletesRecordsAndFiles() {
    panel_->runQuery("A", {}, 0);
    panel_->GroupingBox()->setCurrentIndex(0);
    SelectRowNamed("a.txt");
    QVERIFY(panel_->CanDelete());

    OnModal<CDlgDelFileItemOption>([](CDlgDelFileItemOption* dialog) { dialog->reject(); });
    panel_->deleteSelected();
    QVERIFY(QFileInfo::exists(QString::fromStdString(library_->FilePath("a.txt"))));

    QSignalSpy released(panel_.get(), &CRightView::previewRelease);
    QString title;
    bool filesToo = false;
    OnModal<CDlgDelFileItemOption>([&title, &filesToo](CDlgDelFileItemOption* dialog) {
      title = dialog->windowTitle();
      auto* box = dialog->findChild<QCheckBox*>();
      filesToo = box && box->isChecked() && !box->isVisible();
      PressOk(dialog);
    });
    panel_->deleteSelected();
    QCOMPARE(title, QString("删除文件项目"));
    QVERIFY(filesToo);
    QCOMPARE(released.count(), 1);
    QCOMPARE(released[0][0].toStringList(), QStringList{library_->FileUrl("a.txt")});
    QVERIFY(released[0][1].toBool());
    QVERIFY(QFileInfo::exists(QString::fromStdString(library_->FilePath("a.txt"))));  // waits for the preview
    panel_->startDeleting(released[0][0].toStringList(), true);
    QTRY_VERIFY(!ResultNames(*panel_).contains("a.txt"));
    QVERIFY(!QFileInfo::exists(QString::fromStdString(library_->FilePath("a.txt"))));
    QCOMPARE(ResultNames(*panel_), (QStringList{"alpha one.txt", "alpha two.txt"}));
    QVERIFY(library_->ReloadFromDisk()->FindItemByPath(library_->FileUrl("a.txt").toStdString()).GetPath().empty());
  }

  void theExpressionFieldProposesSetNames() {
    panel_->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel_.get()));
    CQueryExpEdit* field = panel_->ExpressionField();
    field->setFocus();
    QTest::keyClicks(field, "B+A");
    CDlgHintSetName* hint = field->Hint();
    QVERIFY(hint->isVisible());
    QCOMPARE(hint->currentItem()->text(), QString("A"));
    QTest::keyClick(field, Qt::Key_Down);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(!hint->isVisible());
    QCOMPARE(field->text(), QString("B+A1"));
    QVERIFY(!panel_->CurrentKey());

    QTest::keyClick(field, Qt::Key_Return);  // no pop-up: the query runs
    QCOMPARE(CurrentExpression(*panel_), Normalized(library_->store(), "B+A1"));

    QTest::keyClicks(field, "+A");
    QVERIFY(hint->isVisible());
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!hint->isVisible());
    QTest::keyClick(field, Qt::Key_Backspace);
    QVERIFY(hint->isVisible());
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);  // nothing before the caret
    QVERIFY(!hint->isVisible());
  }
};

OVELIN_SHELL_SUITE("QueryPanel", QueryPanelTest)

}  // namespace ovelin::test

#include "query_panel_test.moc"
