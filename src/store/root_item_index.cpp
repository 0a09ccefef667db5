#include "store/root_item_index.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace ovelin {

void RootItemIndex::Reset(ItemList list) {
  sorted_ = std::move(list);
  pending_.clear();
  pendingIndex_.clear();
}

const ItemList& RootItemIndex::List() const {
  MergePending();
  return sorted_;
}

CFileItem* RootItemIndex::Find(std::string_view path) {
  return const_cast<CFileItem*>(std::as_const(*this).Find(path));
}

const CFileItem* RootItemIndex::Find(std::string_view path) const {
  if (const CFileItem* item = sorted_.Find(path)) return item;
  if (pendingIndex_.empty()) return nullptr;  // the usual case: no text copy for the lookup
  const auto pending = pendingIndex_.find(std::string(path));
  return pending == pendingIndex_.end() ? nullptr : &pending_[pending->second];
}

void RootItemIndex::Put(const CFileItem& item) {
  if (item.GetName().empty() || item.GetPath().empty()) return;
  if (CFileItem* known = Find(item.GetPath())) {
    *known = item;
    return;
  }
  pendingIndex_.emplace(item.GetPath(), pending_.size());
  pending_.push_back(item);
}

bool RootItemIndex::Remove(std::string_view path) {
  if (pendingIndex_.empty()) return sorted_.Remove(path);
  const auto pending = pendingIndex_.find(std::string(path));
  if (pending == pendingIndex_.end()) return sorted_.Remove(path);
  const size_t position = pending->second;
  pendingIndex_.erase(pending);
  if (position + 1 != pending_.size()) {
    pending_[position] = std::move(pending_.back());
    pendingIndex_[pending_[position].GetPath()] = position;
  }
  pending_.pop_back();
  return true;
}

void RootItemIndex::MergePending() const {
  if (pending_.empty()) return;
  std::sort(pending_.begin(), pending_.end(), ComparePathLess);
  std::vector<CFileItem> merged;
  merged.reserve(sorted_.size() + pending_.size());
  std::merge(std::make_move_iterator(sorted_.begin()), std::make_move_iterator(sorted_.end()),
             std::make_move_iterator(pending_.begin()), std::make_move_iterator(pending_.end()),
             std::back_inserter(merged), ComparePathLess);
  sorted_.AdoptSorted(std::move(merged));
  pending_.clear();
  pendingIndex_.clear();
}

}  // namespace ovelin
