#include "query/content/text_cache.h"

#include <utility>

namespace ovelin {

size_t TextCache::Cost(const Entry& entry) {
  constexpr size_t kOverhead = 128;  // list node, index node, string headers
  return kOverhead + 2 * entry.path.size() + (entry.text ? entry.text->size() : 0);
}

const std::optional<std::string>* TextCache::Find(const std::string& path) {
  const auto found = index_.find(path);
  if (found == index_.end()) return nullptr;
  entries_.splice(entries_.begin(), entries_, found->second);
  return &found->second->text;
}

void TextCache::Insert(const std::string& path, std::optional<std::string> text) {
  if (const auto found = index_.find(path); found != index_.end()) {
    size_ -= Cost(*found->second);
    entries_.erase(found->second);
    index_.erase(found);
  }
  Entry entry{path, std::move(text)};
  const size_t cost = Cost(entry);
  if (cost > budget_) return;
  while (size_ + cost > budget_ && !entries_.empty()) {
    size_ -= Cost(entries_.back());
    index_.erase(entries_.back().path);
    entries_.pop_back();
  }
  entries_.push_front(std::move(entry));
  index_.emplace(path, entries_.begin());
  size_ += cost;
}

}  // namespace ovelin
