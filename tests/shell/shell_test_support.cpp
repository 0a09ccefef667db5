#include "shell_test_support.h"

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QPushButton>

#include "shell/settree/set_tree_items.h"

namespace ovelin::test {

StoreFixture::StoreFixture() {
  store_.CreateStarterDocument();
  root_ = store_.GetRootName();
  store_.SaveTo(dataFile());
}

void StoreFixture::AddSet(const std::string& name, const NameList& parents, const DefinitionList& definitions) {
  store_.CreateFileSet(name, parents, "", StorePathKind::ExParent, definitions);
  store_.Save();
}

std::unique_ptr<CFileSetStore> StoreFixture::ReloadFromDisk() const {
  auto loaded = std::make_unique<CFileSetStore>();
  if (!loaded->Load(dataFile())) return nullptr;
  return loaded;
}

void AnswerNextMessage(QString* text, QMessageBox::StandardButton button) {
  OnModal<QMessageBox>([text, button](QMessageBox* box) {
    if (text) *text = box->text();
    QAbstractButton* chosen = button == QMessageBox::NoButton ? box->defaultButton() : box->button(button);
    if (!chosen && !box->buttons().isEmpty()) chosen = box->buttons().constFirst();
    if (chosen) chosen->click();
  });
}

void PressOk(QWidget* dialog) {
  for (QDialogButtonBox* box : dialog->findChildren<QDialogButtonBox*>()) {
    if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) {
      ok->click();
      return;
    }
    for (QAbstractButton* button : box->buttons()) {
      if (box->buttonRole(button) == QDialogButtonBox::AcceptRole) {
        button->click();
        return;
      }
    }
  }
}

void AddSetLadder(CFileSetStore& store, int levels) {
  NameList above{store.GetRootName()};
  for (int level = 0; level < levels; ++level) {
    const NameList here{"L" + std::to_string(level), "R" + std::to_string(level)};
    for (const auto& name : here) store.CreateFileSet(name, above, "", StorePathKind::ExParent, {});
    above = here;
  }
}

void ExpandWholeTree(QTreeWidget* tree) {
  for (QTreeWidgetItem* at = tree->topLevelItem(0); at; at = NextInDisplayOrder(at)) at->setExpanded(true);
}

}  // namespace ovelin::test
