#pragma once
// Helpers of the shell's QtTest suites: a store saved in a temporary data
// folder, answering modal dialogs and message boxes, finding controls by their
// accessible names.

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <QTreeWidget>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "store/file_set_store.h"
#include "support/test_support.h"

namespace ovelin::test {

/// A starter document saved as AllSets.db in a fresh temporary folder.
class StoreFixture {
 public:
  StoreFixture();
  CFileSetStore& store() { return store_; }
  const std::string& folder() const { return dir_.path(); }
  std::string dataFile() const { return dir_ / "AllSets.db"; }
  const std::string& root() const { return root_; }
  /// Creates a set extending its first parent's path, and saves.
  void AddSet(const std::string& name, const NameList& parents, const DefinitionList& definitions = {});
  /// A second store loaded from the data file on disk: what a restart would see.
  std::unique_ptr<CFileSetStore> ReloadFromDisk() const;

 private:
  TempDir dir_;
  CFileSetStore store_;
  std::string root_;
};

/// Runs `action` on the next modal widget of type T once it is shown (polled
/// every 20 ms for up to 5 s). Call before the code that opens it.
template <typename T>
void OnModal(std::function<void(T*)> action) {
  auto* timer = new QTimer(qApp);
  auto started = std::make_shared<int>(0);
  QObject::connect(timer, &QTimer::timeout, [timer, started, action] {
    if (++*started > 250) {
      timer->deleteLater();
      timer->stop();
      return;
    }
    T* widget = qobject_cast<T*>(QApplication::activeModalWidget());
    if (!widget || !widget->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    action(widget);
  });
  timer->start(20);
}

/// Records the text of the next message box into `text` and presses `button`
/// (its default button when NoButton).
void AnswerNextMessage(QString* text, QMessageBox::StandardButton button = QMessageBox::NoButton);

/// The first descendant of `root` of type T with that accessible name; null when none.
template <typename T>
T* FindNamed(const QWidget* root, const QString& name) {
  for (T* widget : root->findChildren<T*>()) {
    if (widget->accessibleName() == name) return widget;
  }
  return nullptr;
}

/// Presses the dialog's OK button (or the first accept-role button).
void PressOk(QWidget* dialog);

/// Adds `levels` levels of two sets, "L<k>" and "R<k>", each under both sets of
/// the level above (the first level under the root): 2^k paths lead to level k.
void AddSetLadder(CFileSetStore& store, int levels);

/// Expands every item of a set tree, which builds children as items are
/// expanded, so that the whole unfolded tree is built (small graphs only).
void ExpandWholeTree(QTreeWidget* tree);

}  // namespace ovelin::test
