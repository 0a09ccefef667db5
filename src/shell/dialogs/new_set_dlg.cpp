#include "shell/dialogs/new_set_dlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QToolButton>
#include <QVBoxLayout>

#include "base/messages.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/app/widget_labels.h"
#include "shell/dialogs/list_set_item_prop.h"
#include "shell/settree/file_set_check_tree_ctrl.h"

namespace ovelin {
namespace {

constexpr int kMaxNoteChars = 79;

// The first entry of the store path list; the others extend a parent.
QString CustomEntry() { return QCoreApplication::translate("ovelin::CNewSetDlg", "自定义"); }
QString ExtendPrefix() { return QCoreApplication::translate("ovelin::CNewSetDlg", "扩展:"); }

}  // namespace

QString IllegalSetNameText() { return ToQ(MessageText(MessageId::SetNameIllegal)); }

CNewSetDlg::CNewSetDlg(CFileSetStore& store, SetDialogData data, const QString& editedSet, QWidget* parent)
    : QDialog(parent),
      store_(store),
      editedSet_(editedSet),
      openingDefinitions_(data.definitions),
      parentTree_(new CFileSetCheckTreeCtrl(store, this)),
      name_(new QLineEdit(ToQ(data.name), this)),
      pathKind_(new QComboBox(this)),
      path_(new QLineEdit(this)),
      browse_(new QToolButton(this)),
      note_(new QLineEdit(ToQ(data.note), this)),
      properties_(new CListSetItemProp(this)) {
  setWindowTitle(tr("文件集属性"));
  note_->setMaxLength(kMaxNoteChars);

  auto* form = new QFormLayout;
  form->addRow(MakeBuddyLabel(tr("名称:"), name_, this), name_);
  form->addRow(MakeBuddyLabel(tr("归档路径:"), pathKind_, this), BuildPathRow());
  form->addRow(MakeBuddyLabel(tr("说明注释:\n(限80字)"), note_, this), note_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &CNewSetDlg::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* right = new QVBoxLayout;
  right->addLayout(form);
  right->addWidget(BuildPropertyGroup(), 1);
  auto* left = new QVBoxLayout;
  left->addWidget(MakeBuddyLabel(tr("父文件集"), parentTree_, this));
  left->addWidget(parentTree_, 1);
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 2);
  columns->addLayout(right, 3);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns, 1);
  layout->addWidget(buttons);
  resize(760, 460);

  parentTree_->Build(data.parents);
  if (data.kind == StorePathKind::UsrDef) customPath_ = ToQ(data.pathText);
  RebuildPathEntries();
  SelectPathEntry(data.kind, ToQ(data.pathText));
  properties_->Load(data.definitions);

  connect(name_, &QLineEdit::textChanged, this, &CNewSetDlg::updatePath);
  connect(pathKind_, &QComboBox::currentIndexChanged, this, &CNewSetDlg::updatePath);
  connect(parentTree_, &CFileSetCheckTreeCtrl::setCheckChanged, this, &CNewSetDlg::parentsChanged);
  connect(parentTree_, &CFileSetCheckTreeCtrl::setCreated, this, &CNewSetDlg::setCreated);
  connect(new QShortcut(QKeySequence(QStringLiteral("Ctrl+F")), this), &QShortcut::activated, parentTree_,
          &CFileSetCheckTreeCtrl::findSet);
}

QWidget* CNewSetDlg::BuildPathRow() {
  browse_->setText(QStringLiteral("..."));
  browse_->setAccessibleName(tr("选择归档路径"));
  path_->setAccessibleName(tr("归档路径文本"));
  connect(browse_, &QToolButton::clicked, this, &CNewSetDlg::browseFolder);
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pathKind_);
  layout->addWidget(path_, 1);
  layout->addWidget(browse_);
  return row;
}

QWidget* CNewSetDlg::BuildPropertyGroup() {
  auto* group = new QGroupBox(tr("所属项目属性"), this);
  auto* add = Named(new QPushButton(tr("新增"), group), tr("新增"));
  auto* remove = Named(new QPushButton(tr("删除"), group), tr("删除"));
  auto* reset = Named(new QPushButton(tr("重置"), group), tr("重置"));
  connect(add, &QPushButton::clicked, properties_, &CListSetItemProp::AddRow);
  connect(remove, &QPushButton::clicked, properties_, &CListSetItemProp::RemoveSelectedRow);
  connect(reset, &QPushButton::clicked, this, &CNewSetDlg::resetDefinitions);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch(1);
  buttonRow->addWidget(add);
  buttonRow->addWidget(remove);
  buttonRow->addWidget(reset);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(properties_, 1);
  layout->addLayout(buttonRow);
  return group;
}

NameList CNewSetDlg::CheckedParents() const {
  // The edited set can never be a parent of itself.
  return editedSet_.isEmpty() ? parentTree_->CheckedNames() : parentTree_->CheckedNames(editedSet_, false);
}

void CNewSetDlg::RebuildPathEntries() {
  const QSignalBlocker blocker(pathKind_);
  pathKind_->clear();
  pathKind_->addItem(CustomEntry());
  for (const auto& parent : CheckedParents()) pathKind_->addItem(ExtendPrefix() + ToQ(parent));
}

void CNewSetDlg::SelectPathEntry(StorePathKind kind, const QString& parentName) {
  int index = 0;
  if (kind == StorePathKind::ExParent) {
    index = pathKind_->findText(ExtendPrefix() + parentName);
    if (index < 0) index = pathKind_->count() - 1;
  }
  {
    const QSignalBlocker blocker(pathKind_);
    pathKind_->setCurrentIndex(index);
  }
  updatePath();
}

void CNewSetDlg::updatePath() {
  if (shownEntry_ == 0) customPath_ = path_->text();
  shownEntry_ = pathKind_->currentIndex();
  const bool custom = shownEntry_ <= 0;
  path_->setReadOnly(!custom);
  browse_->setEnabled(custom);
  if (custom) {
    path_->setText(customPath_);
    return;
  }
  const QString parent = pathKind_->currentText().mid(ExtendPrefix().size());
  path_->setText(ToQ(store_.ResolveExtendedStorePath(ToStd(name_->text()), ToStd(parent))));
}

void CNewSetDlg::browseFolder() {
  const QString folder = QFileDialog::getExistingDirectory(this, tr("自定义归档路径选择"), path_->text());
  if (!folder.isEmpty()) path_->setText(folder);
}

void CNewSetDlg::parentsChanged() {
  const QString previous = pathKind_->currentText();
  if (shownEntry_ == 0) customPath_ = path_->text();
  RebuildPathEntries();
  int index = pathKind_->findText(previous);
  if (index < 0) index = pathKind_->count() - 1;
  {
    const QSignalBlocker blocker(pathKind_);
    pathKind_->setCurrentIndex(index);
  }
  shownEntry_ = -1;
  updatePath();

  bool conflict = false;
  DefinitionList inherited = store_.CollectDefinitions(CheckedParents(), conflict);
  if (conflict) {
    ShowWarning(this, ToQ(MessageText(MessageId::ParentPropertyConflict)));
    properties_->Load({});
    return;
  }
  for (auto& definition : inherited) definition.origin = std::string(kOriginParent);
  DefinitionList own;
  for (auto& definition : properties_->Definitions()) {
    if (definition.origin != kOriginParent) own.push_back(std::move(definition));
  }
  DefinitionList merged = MergeDefinitions(own, inherited, conflict);
  if (conflict) {
    ShowWarning(this, ToQ(MessageText(MessageId::PropertyConflict)));
    merged.clear();
  }
  properties_->Load(merged);
}

void CNewSetDlg::resetDefinitions() { properties_->Load(openingDefinitions_); }

void CNewSetDlg::accept() {
  const QString name = name_->text();
  if (name.trimmed().isEmpty()) {
    ShowWarning(this, ToQ(MessageText(MessageId::SetNameEmpty)));
    return;
  }
  if (!IsValidName(ToStd(name))) {
    ShowWarning(this, IllegalSetNameText());
    return;
  }
  QDialog::accept();
}

SetDialogData CNewSetDlg::Result() const {
  SetDialogData data;
  data.name = ToStd(name_->text());
  data.note = ToStd(note_->text());
  if (pathKind_->currentIndex() <= 0) {
    data.kind = StorePathKind::UsrDef;
    data.pathText = ToStd(path_->text());
  } else {
    data.kind = StorePathKind::ExParent;
    data.pathText = ToStd(pathKind_->currentText().mid(ExtendPrefix().size()));
  }
  data.parents = CheckedParents();
  if (data.parents.empty()) data.parents.push_back(store_.GetRootName());
  data.definitions = properties_->Definitions();
  return data;
}

}  // namespace ovelin
