#include "query/keyword_search.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <thread>
#include <utility>

#include "query/content/lower_case.h"
#include "query/keyword_counter.h"
#include "store/config_keys.h"

namespace ovelin {
namespace {

constexpr std::string_view kTrimmed = " \t\r\n";
// Below this many items per worker, starting threads costs more than it saves.
constexpr size_t kMinItemsPerWorker = 32;

// Reading and parsing files is the slow part of a search: with content tests the
// items are shared out among the processor's cores.
size_t WorkerCount(size_t items, unsigned flags) {
  if (!(flags & kKeywordInContent)) return 1;
  const size_t cores = std::max(1u, std::thread::hardware_concurrency());
  return std::clamp<size_t>(items / kMinItemsPerWorker, 1, cores);
}

// Keeps the items whose count reaches `needed`, each carrying its count as rank.
void KeepRanked(ItemList& items, const std::vector<int>& counts, int needed) {
  std::vector<CFileItem> kept;
  for (size_t i = 0; i < items.size(); ++i) {
    if (counts[i] < needed) continue;
    items[i].SetPropertyValue(kKeywordsRankProperty, std::to_string(counts[i]));
    kept.push_back(std::move(items[i]));
  }
  items.AdoptSorted(std::move(kept));
}

}  // namespace

std::vector<std::string> SplitKeywords(std::string_view text) {
  const size_t first = text.find_first_not_of(kTrimmed);
  if (first == std::string_view::npos) return {};
  const std::string lower = LowerCase(text.substr(first, text.find_last_not_of(kTrimmed) - first + 1));
  std::vector<std::string> keywords;
  size_t start = 0;
  while (start <= lower.size()) {
    size_t space = lower.find(' ', start);
    if (space == std::string::npos) space = lower.size();
    if (space > start) keywords.push_back(lower.substr(start, space - start));
    start = space + 1;
  }
  return keywords;
}

unsigned QueryPanelKeywordFlags(const CFileSetStore& store) {
  unsigned flags = kKeywordInName | kKeywordInDescription | kKeywordInSetNames;
  if (store.IsConfigOn(config::kKeywordsSearch, config::kSearchFileContent)) flags |= kKeywordInContent;
  if (store.IsConfigOn(config::kKeywordsSearch, config::kIncludeAll)) flags |= kKeywordAllRequired;
  return flags;
}

KeywordFilter::KeywordFilter(const CFileSetStore& store, std::string_view keywords, unsigned flags)
    : keywords_(flags == 0 ? std::vector<std::string>{} : SplitKeywords(keywords)), flags_(flags) {
  if (!keywords_.empty() && (flags_ & kKeywordInSetNames)) sets_.emplace(store, keywords_);
}

bool KeywordFilter::Apply(ItemList& items, const KeywordSearchControl& control) const {
  if (keywords_.empty()) return true;
  std::vector<int> counts(items.size(), 0);
  std::atomic<size_t> next{0};
  std::atomic<size_t> done{0};
  size_t reported = 0;
  // Each worker takes the next item until none is left, with a counter (and so a
  // content matcher) of its own; only the calling thread reports progress.
  auto work = [&](bool reports) {
    KeywordCounter counter(keywords_, flags_, sets_ ? &*sets_ : nullptr, control.stop);
    for (size_t i = next++; i < items.size(); i = next++) {
      if (control.stop.stop_requested()) return;
      counts[i] = counter.Count(items[i]);
      const size_t finished = ++done;
      if (!reports || !control.progress) continue;
      control.progress(finished, items.size());
      reported = finished;
    }
  };
  {
    std::vector<std::jthread> helpers;
    for (size_t w = 1; w < WorkerCount(items.size(), flags_); ++w) helpers.emplace_back(work, false);
    work(true);
  }
  if (control.stop.stop_requested()) return false;  // answers given while stopping are not trusted
  // Items that other workers finished last are reported once all have ended.
  if (control.progress && reported < items.size()) control.progress(items.size(), items.size());
  KeepRanked(items, counts, (flags_ & kKeywordAllRequired) ? static_cast<int>(keywords_.size()) : 1);
  return true;
}

bool FilterByKeywords(const CFileSetStore& store, std::string_view keywords, ItemList& items, unsigned flags,
                      const KeywordSearchControl& control) {
  return KeywordFilter(store, keywords, flags).Apply(items, control);
}

int KeywordRankOf(const CFileItem& item) {
  const std::string text = item.GetPropertyValue(kKeywordsRankProperty);
  int rank = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rank);
  return error == std::errc() && end == text.data() + text.size() ? rank : 0;
}

}  // namespace ovelin
