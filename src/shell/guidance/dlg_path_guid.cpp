#include "shell/guidance/dlg_path_guid.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "shell/app/command_ids.h"
#include "shell/app/qt_text.h"
#include "shell/app/widget_labels.h"
#include "shell/settree/dlg_find_file_set.h"
#include "shell/settree/set_tree_items.h"

namespace ovelin {
namespace {

constexpr int kMarkRole = Qt::UserRole;

size_t PictureIndex(GuidanceMark mark) { return static_cast<size_t>(mark - kGuidanceUnmarked); }

// An empty box; a green tick for intersect, a red bar for except.
QIcon PaintMarkPicture(GuidanceMark mark) {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(1.5, 1.5, 13, 13));
  if (mark == kGuidanceIntersect) {
    painter.setPen(QPen(QColor(0x1e, 0x8c, 0x2e), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF tick[] = {{4.5, 8.5}, {7, 11}, {12, 5}};
    painter.drawPolyline(tick, 3);
  }
  if (mark == kGuidanceExcept) {
    painter.setPen(QPen(QColor(0xc8, 0x28, 0x28), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4.5, 8), QPointF(11.5, 8));
  }
  return QIcon(pixmap);
}

QString MarkDescription(GuidanceMark mark) {
  if (mark == kGuidanceIntersect) return QCoreApplication::translate("ovelin::CDlgPathGuid", "并且");
  if (mark == kGuidanceExcept) return QCoreApplication::translate("ovelin::CDlgPathGuid", "除去");
  return QCoreApplication::translate("ovelin::CDlgPathGuid", "不参与");
}

GuidanceNode ToNode(const QTreeWidgetItem* item) {
  GuidanceNode node{ToStd(item->text(0)), CDlgPathGuid::MarkOf(item), {}};
  node.children.reserve(static_cast<size_t>(item->childCount()));
  for (int i = 0; i < item->childCount(); ++i) node.children.push_back(ToNode(item->child(i)));
  return node;
}

}  // namespace

CDlgPathGuid::CDlgPathGuid(const GuidancePaths& places, const QString& expression, const QString& keywords,
                           QWidget* parent)
    : QDialog(parent),
      base_(expression),
      tree_(new QTreeWidget(this)),
      expression_(new QLineEdit(expression, this)),
      keywords_(new QLineEdit(keywords, this)),
      menu_(new QMenu(this)) {
  setWindowTitle(tr("相关查询制导"));
  for (GuidanceMark mark : {kGuidanceUnmarked, kGuidanceIntersect, kGuidanceExcept}) {
    pictures_[PictureIndex(mark)] = PaintMarkPicture(mark);
  }

  tree_->setHeaderHidden(true);
  tree_->setColumnCount(1);
  tree_->setIconSize(QSize(16, 16));
  tree_->setExpandsOnDoubleClick(false);
  tree_->setAccessibleName(tr("相关文件集"));
  tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  tree_->installEventFilter(this);
  tree_->viewport()->installEventFilter(this);
  connect(tree_, &QWidget::customContextMenuRequested, this, &CDlgPathGuid::ShowMenu);
  AddItems(nullptr, BuildGuidanceTree(places.paths));
  tree_->expandAll();  // every set that received a child is open
  BuildMenu();

  expression_->setReadOnly(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* form = new QFormLayout;
  form->addRow(MakeBuddyLabel(tr("查询表达式:"), expression_, this), expression_);
  form->addRow(MakeBuddyLabel(tr("搜索关键字:"), keywords_, this), keywords_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tree_, 1);
  if (places.leftOut > 0) {
    const QString note = tr("另有 %1 条路径未列出").arg(static_cast<qulonglong>(places.leftOut));
    leftOutNote_ = Named(new QLabel(note, this), note);
    layout->addWidget(leftOutNote_);
  }
  layout->addLayout(form);
  layout->addWidget(buttons);

  auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
  find->setContext(Qt::WidgetWithChildrenShortcut);
  connect(find, &QShortcut::activated, this, &CDlgPathGuid::findSet);
  tree_->setFocus();
  resize(440, 480);
}

void CDlgPathGuid::BuildMenu() {
  auto add = [this](int id, const QString& text, void (CDlgPathGuid::*slot)()) {
    QAction* action = menu_->addAction(text, this, slot);
    action->setData(id);
  };
  add(kCmdGuidFind, tr("文件集查找\tCtrl+F"), &CDlgPathGuid::findSet);
  add(kCmdGuidExceptChildren, tr("反选所有直接子结点"), &CDlgPathGuid::exceptChildren);
  add(kCmdGuidClearBelow, tr("清除子结点选中状态"), &CDlgPathGuid::clearBelow);
}

void CDlgPathGuid::AddItems(QTreeWidgetItem* parent, const std::vector<GuidanceNode>& nodes) {
  for (const auto& node : nodes) {
    const QStringList text{ToQ(node.name)};
    auto* item = parent ? new QTreeWidgetItem(parent, text) : new QTreeWidgetItem(tree_, text);
    item->setData(0, kMarkRole, static_cast<int>(kGuidanceUnmarked));
    item->setIcon(0, pictures_[PictureIndex(kGuidanceUnmarked)]);
    item->setData(0, Qt::AccessibleDescriptionRole, MarkDescription(kGuidanceUnmarked));
    itemsByName_[text.constFirst()].append(item);
    AddItems(item, node.children);
  }
}

QString CDlgPathGuid::Expression() const { return expression_->text(); }

QString CDlgPathGuid::Keywords() const { return keywords_->text(); }

GuidanceMark CDlgPathGuid::MarkOf(const QTreeWidgetItem* item) {
  const int mark = item->data(0, kMarkRole).toInt();
  return mark == kGuidanceIntersect || mark == kGuidanceExcept ? static_cast<GuidanceMark>(mark) : kGuidanceUnmarked;
}

QRect CDlgPathGuid::MarkRect(const QTreeWidgetItem* item) const {
  // Laid out as the item delegate lays out the picture it draws.
  QStyleOptionViewItem option;
  option.initFrom(tree_);
  option.rect = tree_->visualItemRect(item);
  option.widget = tree_;
  option.font = tree_->font();
  option.features = QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
  option.decorationSize = tree_->iconSize();
  option.decorationPosition = QStyleOptionViewItem::Left;
  option.icon = item->icon(0);
  option.text = item->text(0);
  return tree_->style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, tree_);
}

void CDlgPathGuid::SetMark(const QString& name, GuidanceMark mark) {
  for (QTreeWidgetItem* item : itemsByName_.value(name)) {
    item->setData(0, kMarkRole, static_cast<int>(mark));
    item->setIcon(0, pictures_[PictureIndex(mark)]);
    item->setData(0, Qt::AccessibleDescriptionRole, MarkDescription(mark));
  }
}

void CDlgPathGuid::UpdateExpression() {
  std::vector<GuidanceNode> topLevel;
  for (int i = 0; i < tree_->topLevelItemCount(); ++i) topLevel.push_back(ToNode(tree_->topLevelItem(i)));
  expression_->setText(ToQ(GuidanceExpression(topLevel, ToStd(base_))));
}

void CDlgPathGuid::advanceMark(QTreeWidgetItem* item) {
  if (!item) return;
  SetMark(item->text(0), NextGuidanceMark(MarkOf(item)));
  UpdateExpression();
}

void CDlgPathGuid::findSet() {
  CDlgFindFileSet dialog(lastFind_, this);
  if (dialog.exec() != QDialog::Accepted) return;
  lastFind_ = dialog.Text();
  if (SelectNextContaining(tree_, lastFind_)) tree_->setFocus();
}

void CDlgPathGuid::exceptChildren() {
  const QTreeWidgetItem* selected = tree_->currentItem();
  if (!selected) return;
  for (int i = 0; i < selected->childCount(); ++i) SetMark(selected->child(i)->text(0), kGuidanceExcept);
  UpdateExpression();
}

void CDlgPathGuid::clearBelow() {
  const QTreeWidgetItem* selected = tree_->currentItem();
  if (!selected) return;
  for (QTreeWidgetItem* at = NextInDisplayOrder(selected); at && IsAncestorOf(selected, at);
       at = NextInDisplayOrder(at)) {
    SetMark(at->text(0), kGuidanceUnmarked);
  }
  UpdateExpression();
}

void CDlgPathGuid::ShowMenu(const QPoint& at) {
  QTreeWidgetItem* item = tree_->itemAt(at);
  if (!item) return;
  tree_->setCurrentItem(item);
  menu_->exec(tree_->viewport()->mapToGlobal(at));
}

bool CDlgPathGuid::eventFilter(QObject* watched, QEvent* event) {
  if (watched == tree_->viewport() && event->type() == QEvent::MouseButtonPress) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    QTreeWidgetItem* item = tree_->itemAt(mouse->position().toPoint());
    if (mouse->button() == Qt::LeftButton && item && MarkRect(item).contains(mouse->position().toPoint())) {
      advanceMark(item);
    }
  }
  if (watched == tree_ && event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space) {
    advanceMark(tree_->currentItem());
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace ovelin
