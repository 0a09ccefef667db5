// The commands of the entity set tree that change sets or leave the program:
// new set, set properties, remove, find, quick view set, store path, export.
#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "base/messages.h"
#include "filing/folder_chain.h"
#include "query/view_set_references.h"
#include "query/view_sets.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/app/reference_warning.h"
#include "shell/app/template_commands.h"
#include "shell/dialogs/dlg_del_set_option.h"
#include "shell/dialogs/new_set_dlg.h"
#include "shell/settree/dlg_find_file_set.h"
#include "shell/settree/entity_tree_view.h"
#include "shell/settree/set_tree_items.h"
#include "store/file_set_store.h"
#include "store/set_checks.h"

namespace ovelin {

void CEntityTreeView::newSet() {
  const QString parent = currentItem() ? currentItem()->text(0) : ToQ(store_.GetRootName());
  SetDialogData data;
  data.kind = StorePathKind::ExParent;
  data.pathText = ToStd(parent);
  data.parents = {ToStd(parent)};
  data.definitions = store_.GetDefinitions(ToStd(parent));
  for (auto& definition : data.definitions) definition.origin = std::string(kOriginParent);

  CNewSetDlg dialog(store_, data, {}, this);
  connect(&dialog, &CNewSetDlg::setCreated, this, &CEntityTreeView::InsertNewSet);
  if (dialog.exec() != QDialog::Accepted) return;
  const SetDialogData chosen = dialog.Result();
  if (const CheckResult check = CheckNewSetName(store_, chosen.name, MessageId::NameExists); !check) {
    ShowCheckFailure(this, check);
    return;
  }
  if (!store_.CreateFileSet(chosen.name, chosen.parents, chosen.pathText, chosen.kind, chosen.definitions)) {
    ShowWarning(this, ToQ(MessageText(MessageId::CreateSetFailed)));
    return;
  }
  store_.SetNote(chosen.name, chosen.note);
  SaveStore(this, store_);
  InsertNewSet(ToQ(chosen.name));
}

void CEntityTreeView::setProperties() {
  const QString name = SelectedName();
  if (name.isEmpty()) return;
  const std::string key = ToStd(name);
  const StorePath path = store_.GetStorePath(key);
  SetDialogData data{
      key, path.kind, path.text, store_.GetParents(key), store_.GetDefinitions(key), store_.GetNote(key)};
  CNewSetDlg dialog(store_, data, name, this);
  connect(&dialog, &CNewSetDlg::setCreated, this, &CEntityTreeView::InsertNewSet);
  if (dialog.exec() != QDialog::Accepted) return;
  ApplyProperties(name, dialog.Result());
}

void CEntityTreeView::ApplyProperties(const QString& name, const SetDialogData& edited) {
  const std::string key = ToStd(name);
  const bool isRoot = key == store_.GetRootName();
  store_.SetStorePath(key, edited.pathText, edited.kind);
  if (store_.GetParents(key) != edited.parents) {
    if (store_.SetParents(key, edited.parents)) {
      ReinsertSet(name);
    } else if (!isRoot) {
      ShowWarning(this, tr("父文件集设置失败：文件集自身及其下级文件集不能作为父文件集！"));
    }
  }
  store_.SetOwnDefinitions(key, edited.definitions);
  store_.SetNote(key, edited.note);
  if (!edited.name.empty() && edited.name != key) {
    if (const CheckResult check = CheckNewSetName(store_, edited.name, MessageId::NameConflictsWithSet); !check) {
      ShowCheckFailure(this, check);
    } else if (RenameFileSetWithReferences(store_, key, edited.name)) {
      for (QTreeWidgetItem* item : ItemsNamed(this, name)) item->setText(0, ToQ(edited.name));
    }
  }
  SaveStore(this, store_);
}

void CEntityTreeView::removeSet() {
  if (!CanRemoveSet()) return;
  const QString name = SelectedName();
  CDlgDelSetOption dialog(name, this);
  if (dialog.exec() != QDialog::Accepted) return;
  if (!store_.DeleteFileSet(ToStd(name), dialog.DeleteFiles())) return;
  RemoveItemsNamed(name);
  SaveStore(this, store_);
  WarnAboutReferences(this, store_, name);
}

void CEntityTreeView::findSet() {
  CDlgFindFileSet dialog(lastFind_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  lastFind_ = dialog.Text();
  FindNext(lastFind_);
}

void CEntityTreeView::quickViewSet() {
  const QString name = SelectedName();
  if (name.isEmpty()) return;
  if (!AddQuickViewSet(store_, ToStd(name))) {
    ShowWarning(this, tr("快捷方式已存在！"));
    return;
  }
  emit viewSetsChanged();
}

void CEntityTreeView::openStorePath() {
  const QString name = SelectedName();
  if (name.isEmpty()) return;
  const std::string path = store_.GetEffectiveStorePath(ToStd(name));
  if (path.empty() || (!QDir(ToQ(path)).exists() && !CreateFolderChain(path))) {
    ShowWarning(this, tr("无法创建该归档路径！"));
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(ToQ(path)));
}

void CEntityTreeView::exportBranch() {
  const QString name = SelectedName();
  if (!name.isEmpty()) ExportTemplateInteractive(this, store_, name);
}

}  // namespace ovelin
