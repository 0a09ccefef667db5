// The folder tree, the folder content list and the folder-loading dialog.
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <unistd.h>

#include "shell/filing/dlg_add_file_item_option.h"
#include "shell/folders/shell_folder_content_list.h"
#include "shell/folders/shell_folder_tree.h"
#include "shell/settree/set_tree_items.h"
#include "shell_test_support.h"
#include "suite_registry.h"

namespace ovelin::test {
namespace {

QStringList ChildTexts(const QTreeWidgetItem* item) {
  QStringList texts;
  for (int i = 0; i < item->childCount(); ++i) texts.append(item->child(i)->text(0));
  return texts;
}

QStringList Rows(const QListWidget& list) {
  QStringList rows;
  for (int i = 0; i < list.count(); ++i) rows.append(list.item(i)->text());
  return rows;
}

QList<std::pair<QString, int>> AddedNames(const QSignalSpy& spy) {
  QList<std::pair<QString, int>> added;
  for (const QList<QVariant>& call : spy) added.append({QFileInfo(call[0].toString()).fileName(), call[1].toInt()});
  return added;
}

QListWidgetItem* Entry(const QListWidget& list, const QString& name) {
  const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
  return found.isEmpty() ? nullptr : found.constFirst();
}

void RightClick(QListWidget& list, const QPoint& at, Qt::KeyboardModifiers modifiers = {}) {
  QTest::mouseClick(list.viewport(), Qt::RightButton, modifiers, at);
}

QMenu* OpenPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

}  // namespace

// root/
//   .secret/   Beta/Inner/Deep/   alpha/   link-to-alpha -> alpha   文件夹/
//   .hidden.txt   B.txt   a.txt   bundle.zip
class FolderBrowserTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir_;
  QString root_;

  QString Path(const QString& relative) const { return root_ + QLatin1Char('/') + relative; }

 private slots:
  void init() {
    dir_ = std::make_unique<TempDir>();
    root_ = QString::fromStdString(dir_->path());
    if (root_.contains(QStringLiteral("/."))) QSKIP("the temporary folder lies in a hidden folder");
    for (const char* folder : {".secret", "Beta/Inner/Deep", "alpha", "文件夹"}) QDir(root_).mkpath(folder);
    for (const char* file : {".hidden.txt", "B.txt", "a.txt", "bundle.zip"}) WriteTextFile(*dir_ / file, "x");
    ::symlink("alpha", (*dir_ / "link-to-alpha").c_str());
  }
  void cleanup() { dir_.reset(); }

  void treeRootsAreHomeAndTheFileSystem() {
    CShellFolderTree tree;
    const QString home = QDir::cleanPath(QDir::homePath());
    if (home == QStringLiteral("/")) QSKIP("the home folder is /");
    QCOMPARE(tree.topLevelItemCount(), 2);
    QCOMPARE(tree.topLevelItem(0)->text(0), QFileInfo(home).fileName());
    QCOMPARE(tree.topLevelItem(0)->toolTip(0), home);
    QCOMPARE(tree.topLevelItem(1)->text(0), QString("/"));
    QVERIFY(tree.SelectPath(home));
    QCOMPARE(tree.currentItem(), tree.topLevelItem(0));
    QCOMPARE(tree.SelectedPath(), home);
  }

  void treeListsFoldersInNameOrderAndFillsOneLevelAhead() {
    CShellFolderTree tree;
    QVERIFY(tree.SelectPath(root_));
    QTreeWidgetItem* root = tree.currentItem();
    QVERIFY(root->isExpanded());
    QCOMPARE(ChildTexts(root), (QStringList{"Beta", "alpha", "link-to-alpha", "文件夹"}));
    QTreeWidgetItem* beta = root->child(0);
    QCOMPARE(CShellFolderTree::PathOf(beta), Path("Beta"));
    QCOMPARE(ChildTexts(beta), QStringList{"Inner"});  // known before Beta is expanded
    QTreeWidgetItem* inner = beta->child(0);
    QCOMPARE(inner->childCount(), 0);  // not listed yet
    beta->setExpanded(true);
    QCOMPARE(ChildTexts(inner), QStringList{"Deep"});

    for (const QString& path : {Path(".secret"), Path("B.txt"), Path("missing"), QString("relative/path")}) {
      QVERIFY2(!tree.SelectPath(path), qPrintable(path));
    }
    QCOMPARE(tree.currentItem(), root);
  }

  void selectingExpandsUnlessMovingUpAndNotifies() {
    CShellFolderTree tree;
    QSignalSpy spy(&tree, &CShellFolderTree::folderSelected);
    QVERIFY(tree.SelectPath(Path("Beta/Inner/")));
    QTreeWidgetItem* inner = tree.currentItem();
    QTreeWidgetItem* beta = inner->parent();
    QVERIFY(inner->isExpanded());
    QVERIFY(beta->isExpanded());

    beta->setExpanded(false);
    QVERIFY(tree.SelectPath(Path("Beta")));  // up to the parent: stays collapsed
    QVERIFY(!beta->isExpanded());
    QVERIFY(tree.SelectPath(Path("alpha")));
    tree.setCurrentItem(beta);  // from a sibling: expanded
    QVERIFY(beta->isExpanded());

    QStringList paths;
    for (const QList<QVariant>& call : spy) paths.append(call[0].toString());
    QCOMPARE(paths, (QStringList{Path("Beta/Inner"), Path("Beta"), Path("alpha"), Path("Beta")}));
  }

  void contentListShowsFoldersFirstThenFiles() {
    CShellFolderContentList list;
    list.ShowFolder(root_);
    QCOMPARE(list.CurrentFolder(), root_);
    QCOMPARE(Rows(list), (QStringList{"Beta", "alpha", "link-to-alpha", "文件夹", "B.txt", "a.txt", "bundle.zip"}));
    QCOMPARE(list.PathAt(6), Path("bundle.zip"));

    list.ShowFolder(Path("Beta/Inner/Deep"));
    QCOMPARE(list.count(), 0);
    list.ShowFolder(Path("missing"));
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.CurrentFolder(), Path("missing"));
  }

  void folderOptionsDialogKeepsTheBoxesConsistent() {
    CDlgAddFileItemOption dialog("Beta");
    QCOMPARE(dialog.windowTitle(), QString("文件夹加载-Beta"));
    auto* whole = FindNamed<QCheckBox>(&dialog, "将文件夹作为整体归档");
    auto* recurse = FindNamed<QCheckBox>(&dialog, "递归加入子目录文件项目");
    QCOMPARE(dialog.Options(), 2);
    whole->setChecked(true);
    QVERIFY(!recurse->isChecked());
    QVERIFY(!recurse->isEnabled());
    QCOMPARE(dialog.Options(), 1);
    whole->setChecked(false);
    QVERIFY(recurse->isEnabled());
    QCOMPARE(dialog.Options(), 0);
    recurse->setChecked(true);
    QCOMPARE(dialog.Options(), 2);
  }

  void addingMixedSelectionAsksOnlyForTheFolder() {
    using Added = QList<std::pair<QString, int>>;
    const struct {
      const char* box;  // the box to toggle before OK; null: Cancel
      Added expected;
    } cases[] = {
        {"", {{"Beta", 2}, {"B.txt", 1}, {"bundle.zip", 1}}},
        {"将文件夹作为整体归档", {{"Beta", 1}, {"B.txt", 1}, {"bundle.zip", 1}}},
        {"递归加入子目录文件项目", {{"Beta", 0}, {"B.txt", 1}, {"bundle.zip", 1}}},
        {nullptr, {{"B.txt", 1}, {"bundle.zip", 1}}},
    };
    CShellFolderContentList list;
    list.ShowFolder(root_);
    for (const auto& c : cases) {
      list.clearSelection();
      for (const char* name : {"bundle.zip", "Beta", "B.txt"}) Entry(list, name)->setSelected(true);
      QSignalSpy spy(&list, &CShellFolderContentList::addShellItem);
      QString title;
      OnModal<CDlgAddFileItemOption>([box = c.box, &title](CDlgAddFileItemOption* dialog) {
        title = dialog->windowTitle();
        if (!box) {
          dialog->reject();
          return;
        }
        if (*box) FindNamed<QCheckBox>(dialog, box)->toggle();
        PressOk(dialog);
      });
      std::unique_ptr<QMenu> menu(list.CreateContextMenu(nullptr));
      QCOMPARE(menu->actions().constFirst()->text(), QString("添加文件项目"));
      menu->actions().constFirst()->trigger();
      QCOMPARE(title, QString("文件夹加载-Beta"));
      QVERIFY(AddedNames(spy) == c.expected);
      QCOMPARE(spy[spy.count() - 1][0].toString(), Path("bundle.zip"));
    }
  }

  void doubleClickAddsThatEntry() {
    CShellFolderContentList list;
    list.resize(300, 400);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.ShowFolder(root_);
    QSignalSpy spy(&list, &CShellFolderContentList::addShellItem);
    const QPoint at = list.visualItemRect(Entry(list, "a.txt")).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);  // a double click starts with a click
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    QVERIFY(AddedNames(spy) == (QList<std::pair<QString, int>>{{"a.txt", 1}}));
  }

  void rightClickSelectsOrClears() {
    CShellFolderContentList list;
    list.resize(300, 400);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.ShowFolder(root_);
    const QRect last = list.visualItemRect(list.item(list.count() - 1));
    QVERIFY(last.bottom() + 40 < list.viewport()->height());
    const QPoint empty(last.center().x(), last.bottom() + 30);
    Entry(list, "a.txt")->setSelected(true);
    Entry(list, "B.txt")->setSelected(true);

    RightClick(list, list.visualItemRect(Entry(list, "alpha")).center(), Qt::ControlModifier);
    QCOMPARE(list.selectedItems().size(), 2);  // with Ctrl held nothing happens
    QVERIFY(!OpenPopup());

    RightClick(list, list.visualItemRect(Entry(list, "a.txt")).center());  // a selected entry keeps the selection
    QCOMPARE(list.selectedItems().size(), 2);
    QMenu* menu = OpenPopup();
    QVERIFY(menu);
    QStringList texts;
    for (const QAction* action : menu->actions()) texts.append(action->isSeparator() ? "-" : action->text());
    QCOMPARE(texts, (QStringList{"添加文件项目", "-", "打开"}));
    menu->close();

    RightClick(list, list.visualItemRect(Entry(list, "alpha")).center());  // an unselected one is selected alone
    QVERIFY(list.selectedItems() == QList<QListWidgetItem*>{Entry(list, "alpha")});
    QCOMPARE(list.currentItem(), Entry(list, "alpha"));
    QVERIFY(OpenPopup());
    OpenPopup()->close();

    RightClick(list, empty);
    QVERIFY(list.selectedItems().isEmpty());
    QVERIFY(!OpenPopup());
  }
};

OVELIN_SHELL_SUITE("FolderBrowser", FolderBrowserTest)

}  // namespace ovelin::test

#include "folder_browser_test.moc"
