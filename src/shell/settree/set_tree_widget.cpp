#include "shell/settree/set_tree_widget.h"

#include <algorithm>
#include <unordered_set>

#include "base/text_order.h"
#include "shell/app/message_box.h"
#include "shell/app/qt_text.h"
#include "shell/settree/set_tree_items.h"
#include "store/file_set_store.h"

namespace ovelin {
namespace {

constexpr int kChildrenBuiltRole = Qt::UserRole + 1;

bool OnPathFromTop(const QTreeWidgetItem* item, const QString& name) {
  for (const QTreeWidgetItem* at = item; at; at = at->parent()) {
    if (at->text(0) == name) return true;
  }
  return false;
}

bool ChildrenBuilt(const QTreeWidgetItem* item) { return item->data(0, kChildrenBuiltRole).toBool(); }

}  // namespace

SetTreeWidget::SetTreeWidget(CFileSetStore& store, bool sorted, QWidget* parent)
    : QTreeWidget(parent), store_(store), sorted_(sorted) {
  setHeaderHidden(true);
  setColumnCount(1);
  connect(this, &QTreeWidget::itemExpanded, this, &SetTreeWidget::FillChildren);
}

void SetTreeWidget::PrepareItem(QTreeWidgetItem*) {}

NameList SetTreeWidget::ChildSets(const std::string& name) const {
  NameList children = store_.GetChilds(name);
  if (sorted_) std::stable_sort(children.begin(), children.end(), NameLess);
  return children;
}

QTreeWidgetItem* SetTreeWidget::AddChild(QTreeWidgetItem* parent, const QString& name) {
  QTreeWidgetItem* item = nullptr;
  if (!parent) {
    item = new QTreeWidgetItem(this, QStringList{name});
  } else {
    item = sorted_ ? InsertChildSorted(parent, name) : AppendChild(parent, name);
  }
  const NameList children = store_.GetChilds(ToStd(name));
  const bool showable = std::any_of(children.begin(), children.end(),
                                    [item](const std::string& child) { return !OnPathFromTop(item, ToQ(child)); });
  if (showable) item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  PrepareItem(item);
  return item;
}

QTreeWidgetItem* SetTreeWidget::BuildRoot() {
  clear();
  const std::string root = store_.GetRootName();
  if (root.empty()) return nullptr;
  QTreeWidgetItem* item = AddChild(nullptr, ToQ(root));
  FillChildren(item);
  return item;
}

void SetTreeWidget::FillChildren(QTreeWidgetItem* item) {
  if (!item || ChildrenBuilt(item)) return;
  item->setData(0, kChildrenBuiltRole, true);
  item->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
  for (const auto& child : ChildSets(ToStd(item->text(0)))) {
    const QString name = ToQ(child);
    if (!OnPathFromTop(item, name)) AddChild(item, name);
  }
}

QTreeWidgetItem* SetTreeWidget::ChildNamed(QTreeWidgetItem* item, const QString& name) {
  FillChildren(item);
  for (int i = 0; i < item->childCount(); ++i) {
    if (item->child(i)->text(0) == name) return item->child(i);
  }
  return nullptr;
}

QTreeWidgetItem* SetTreeWidget::RevealSet(const QString& name) {
  const NameList paths = store_.GetPathsFromRoot(ToStd(name), 1);
  QTreeWidgetItem* at = topLevelItem(0);
  if (paths.empty() || !at) return nullptr;
  // A set name holds no "/", so the path splits into the names along it.
  const QStringList names = ToQ(paths.front()).split(QLatin1Char('/'), Qt::SkipEmptyParts);
  if (names.isEmpty() || names.constFirst() != at->text(0)) return nullptr;
  for (qsizetype i = 1; i < names.size() && at; ++i) at = ChildNamed(at, names[i]);
  ExpandAncestors(at);
  return at;
}

bool SetTreeWidget::SelectSet(const QString& name) {
  QTreeWidgetItem* item = RevealSet(name);
  if (!item) return false;
  setCurrentItem(item);
  scrollToItem(item);
  return true;
}

NameList SetTreeWidget::SetsInTreeOrder() const {
  // Depth first from the root, children in the tree's order; a set counts where
  // the walk first meets it.
  NameList order;
  std::unordered_set<std::string> seen;
  std::vector<std::string> pending{store_.GetRootName()};
  while (!pending.empty()) {
    std::string set = std::move(pending.back());
    pending.pop_back();
    if (set.empty() || !seen.insert(set).second) continue;
    const NameList children = ChildSets(set);
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      if (!seen.count(*it)) pending.push_back(*it);
    }
    order.push_back(std::move(set));
  }
  return order;
}

bool SetTreeWidget::FindNext(const QString& text) {
  const NameList order = SetsInTreeOrder();
  auto at = order.begin();
  if (currentItem()) at = std::find(order.begin(), order.end(), ToStd(currentItem()->text(0)));
  if (at != order.end()) ++at;
  at = std::find_if(at, order.end(),
                    [&text](const std::string& set) { return ToQ(set).contains(text, Qt::CaseInsensitive); });
  if (at == order.end() || !SelectSet(ToQ(*at))) {
    ShowInformation(this, tr("没有找到对应项！"));
    return false;
  }
  return true;
}

QList<QTreeWidgetItem*> SetTreeWidget::ShowUnderParents(const QString& name, const NameList& parents) {
  QList<QTreeWidgetItem*> shown;
  for (const auto& parent : parents) {
    for (QTreeWidgetItem* occurrence : ItemsNamed(this, ToQ(parent))) {
      // An item whose children are not built yet takes the set from the store when they are.
      if (ChildrenBuilt(occurrence) && !ChildNamed(occurrence, name) && !OnPathFromTop(occurrence, name)) {
        AddChild(occurrence, name);
      }
      occurrence->setExpanded(true);
      if (QTreeWidgetItem* child = ChildNamed(occurrence, name)) shown.append(child);
    }
  }
  return shown;
}

}  // namespace ovelin
