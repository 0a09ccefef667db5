#include "shell/filing/item_belong_page.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

#include "filing/item_gathering.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/app/widget_labels.h"
#include "shell/filing/dlg_base_folder.h"
#include "shell/filing/item_des_sheet.h"
#include "shell/filing/item_edit_list.h"
#include "shell/filing/list_item_prop.h"
#include "shell/settree/file_set_check_tree_ctrl.h"

namespace ovelin {
namespace {

constexpr int kMaxListedVanished = 20;

QString NoMoveEntry() { return QCoreApplication::translate("ovelin::CItemBelongPage", "~不移动文件~"); }

// A merged column as shown: the rows' mark for differing values in the interface language.
QString Shown(const std::string& text) {
  return text == kDifferingText ? QCoreApplication::translate("ovelin::CItemBelongPage", "～不相同～") : ToQ(text);
}

}  // namespace

CItemBelongPage::CItemBelongPage(CFileSetStore& store, QWidget* parent)
    : QWizardPage(parent),
      store_(store),
      tree_(new CFileSetCheckTreeCtrl(store, this)),
      list_(new CItemEditList(store, this)),
      pigPathSet_(new QComboBox(this)),
      basePath_(new QLineEdit(this)),
      browse_(new QToolButton(this)),
      destination_(new QLineEdit(this)),
      descriptions_(new QPushButton(tr("编辑项目描述信息"), this)),
      properties_(new CListItemProp(this)) {
  setTitle(tr("文件归档"));
  setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);  // the page fills the sheet
  tree_->setAccessibleName(tr("隶属集"));

  auto* left = new QWidget(this);
  auto* leftLayout = new QVBoxLayout(left);
  leftLayout->setContentsMargins(0, 0, 0, 0);
  leftLayout->addWidget(new QLabel(tr("隶属集"), left));
  leftLayout->addWidget(tree_, 1);
  auto* right = new QWidget(this);
  auto* rightLayout = new QVBoxLayout(right);
  rightLayout->setContentsMargins(0, 0, 0, 0);
  rightLayout->addWidget(list_, 3);
  rightLayout->addWidget(BuildMoveOptions());
  auto* propertyGroup = new QGroupBox(tr("文件项目属性"), right);
  auto* propertyLayout = new QVBoxLayout(propertyGroup);
  propertyLayout->addWidget(properties_);
  rightLayout->addWidget(propertyGroup, 2);
  auto* columns = new QSplitter(Qt::Horizontal, this);
  columns->addWidget(left);
  columns->addWidget(right);
  columns->setStretchFactor(1, 3);
  columns->setChildrenCollapsible(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(columns);

  tree_->Build({});
  connect(tree_, &CFileSetCheckTreeCtrl::setCheckChanged, this, &CItemBelongPage::setChecked);
  connect(tree_, &CFileSetCheckTreeCtrl::setCreated, this, &CItemBelongPage::setCreated);
  connect(list_, &CItemEditList::selectionSettled, this, &CItemBelongPage::refreshControls);
  connect(pigPathSet_, &QComboBox::activated, this, &CItemBelongPage::pigPathSetChosen);
  connect(browse_, &QToolButton::clicked, this, &CItemBelongPage::chooseBaseFolder);
  connect(descriptions_, &QPushButton::clicked, this, &CItemBelongPage::editDescriptions);
  // While a value is edited the rows it will apply to must not change.
  connect(properties_, &CListItemProp::editBegin, list_, [this] { list_->setEnabled(false); });
  connect(properties_, &CListItemProp::editEnd, this, &CItemBelongPage::valuesEdited);
  auto* find = new QShortcut(QKeySequence(QStringLiteral("Ctrl+F")), this);
  find->setContext(Qt::WidgetWithChildrenShortcut);
  connect(find, &QShortcut::activated, tree_, &CFileSetCheckTreeCtrl::findSet);
}

QWidget* CItemBelongPage::BuildMoveOptions() {
  auto* group = new QGroupBox(tr("文件移动选项"), this);
  basePath_->setReadOnly(true);
  destination_->setReadOnly(true);
  browse_->setText(QStringLiteral("..."));
  browse_->setAccessibleName(tr("选择移动基准路径"));
  auto* baseRow = new QHBoxLayout;
  baseRow->addWidget(basePath_, 1);
  baseRow->addWidget(browse_);
  auto* form = new QFormLayout;
  form->addRow(MakeBuddyLabel(tr("归档路径集:"), pigPathSet_, group), pigPathSet_);
  form->addRow(MakeBuddyLabel(tr("移动基准路径:"), basePath_, group), baseRow);
  form->addRow(MakeBuddyLabel(tr("目的路径:"), destination_, group), destination_);
  auto* layout = new QVBoxLayout(group);
  layout->addLayout(form);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(descriptions_);
  layout->addLayout(buttonRow);
  return group;
}

void CItemBelongPage::initializePage() {
  list_->Fill(transfers_);
  if (list_->rowCount() > 0) list_->selectRow(0);
  refreshControls();
}

void CItemBelongPage::refreshControls() {
  const MergedRows merged = list_->MergeSelected();
  tree_->SetCheckedNames(merged.commonSets);
  RefreshMoveOptions();
  properties_->Load(merged.values);
  const bool any = !list_->SelectedIndexes().empty();
  descriptions_->setEnabled(any);
  properties_->setEnabled(any);
}

void CItemBelongPage::RefreshMoveOptions() {
  const MergedRows merged = list_->MergeSelected();
  const bool movable = !list_->SelectedIndexes().empty() && !merged.anyWebAddress;
  pigPathSet_->clear();
  pigPathSet_->setEnabled(movable);
  browse_->setEnabled(movable);
  if (!movable) {
    basePath_->clear();
    destination_->clear();
    return;
  }
  pigPathSet_->addItem(NoMoveEntry(), QString());
  for (const auto& set : merged.commonSets) pigPathSet_->addItem(ToQ(set), ToQ(set));
  if (merged.pigPathSet == kDifferingText) {
    pigPathSet_->addItem(Shown(merged.pigPathSet));  // no data: choosing it changes nothing
    pigPathSet_->setCurrentIndex(pigPathSet_->count() - 1);
  } else {
    pigPathSet_->setCurrentIndex(std::max(0, pigPathSet_->findData(ToQ(merged.pigPathSet))));
  }
  RefreshPaths();
}

void CItemBelongPage::RefreshPaths() {
  const MergedRows merged = list_->MergeSelected();
  basePath_->setText(Shown(merged.basePath));
  destination_->setText(Shown(merged.destination));
}

void CItemBelongPage::setChecked(const QString& name, bool checked) {
  if (!list_->ChangeSet(ToStd(name), checked)) ShowWarning(this, tr("父集属性冲突!"));
  RefreshMoveOptions();
  properties_->Load(list_->MergeSelected().values);
}

void CItemBelongPage::pigPathSetChosen(int index) {
  const QVariant set = pigPathSet_->itemData(index);
  if (!set.isValid()) return;
  list_->SetPigPathSet(ToStd(set.toString()));
  RefreshPaths();
}

void CItemBelongPage::chooseBaseFolder() {
  const std::vector<int> selected = list_->SelectedIndexes();
  if (selected.empty()) return;
  // Differing base paths start from the first selected row's.
  const ItemEditRow& first = list_->Rows()[static_cast<size_t>(selected.front())];
  CDlgBaseFolder dialog(ToQ(first.basePath), this);
  if (dialog.exec() != QDialog::Accepted) return;
  list_->SetBasePath(ToStd(dialog.Path()));
  RefreshPaths();
}

void CItemBelongPage::editDescriptions() {
  if (list_->SelectedIndexes().empty()) return;
  CItemDesSheet sheet(list_->Descriptions(), this);
  if (sheet.exec() == QDialog::Accepted) list_->SetDescriptions(sheet.Items());
}

void CItemBelongPage::valuesEdited() {
  list_->ApplyValues(properties_->Values());
  list_->setEnabled(true);
}

bool CItemBelongPage::DropVanishedFiles() {
  QStringList gone;
  for (int index = list_->rowCount() - 1; index >= 0; --index) {
    const auto local = list_->Rows()[static_cast<size_t>(index)].LocalPath();
    if (!local || ClassifyPath(*local) != PathKind::Missing) continue;
    gone.prepend(ToQ(*local));
    list_->RemoveRow(index);
  }
  if (gone.isEmpty()) return false;
  const QStringList shown = gone.mid(0, kMaxListedVanished);
  QString text = tr("以下文件已不存在，已从归档列表中移除：\n") + shown.join(QLatin1Char('\n'));
  if (gone.size() > shown.size()) text += tr("\n……（共%1个）").arg(gone.size());
  ShowWarning(this, text);
  refreshControls();
  return true;
}

bool CItemBelongPage::validatePage() {
  properties_->EndEditing();
  if (DropVanishedFiles()) return false;
  if (list_->rowCount() == 0) {
    ShowWarning(this, tr("请选择需要归档的文件！"));
    return false;
  }
  std::optional<PigeonholeBatch> batch = BuildBatch(list_->Rows());
  if (!batch) {
    ShowWarning(this, tr("文件项目名不能为空！"));
    return false;
  }
  batch_ = std::move(*batch);
  return true;
}

}  // namespace ovelin
