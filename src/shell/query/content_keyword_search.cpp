#include "shell/query/content_keyword_search.h"

#include <optional>
#include <utility>

#include "filing/url_parts.h"
#include "query/content/content_matcher.h"

namespace ovelin {
namespace {

constexpr unsigned kStoreTests = kKeywordInName | kKeywordInDescription | kKeywordInSetNames;

// The index of the first keyword equal to keyword `index` (itself when none is earlier).
size_t FirstEqual(const std::vector<std::string>& keywords, size_t index) {
  for (size_t j = 0; j < index; ++j) {
    if (keywords[j] == keywords[index]) return j;
  }
  return index;
}

// Marks keyword `column` for the items that the store's tests keep for it. The
// filtered list is a subsequence of `job.items` in the same order.
void MarkStoreMatches(const CFileSetStore& store, ContentSearchJob& job, size_t column, unsigned tests) {
  ItemList kept = job.items;
  FilterByKeywords(store, job.keywords[column], kept, tests);
  size_t at = 0;
  for (const CFileItem& item : kept) {
    while (at < job.items.size() && job.items[at].GetPath() != item.GetPath()) ++at;
    if (at == job.items.size()) return;
    job.matched[at][column] = 1;
  }
}

// The number of keywords the item matches, reading its file for those not matched yet.
int CountMatches(const ContentSearchJob& job, size_t index, CContentMatcher& matcher) {
  const std::optional<std::string> local = LocalPathOfUrl(job.items[index].GetPath());
  std::vector<char> answers(job.keywords.size(), 0);
  int count = 0;
  for (size_t k = 0; k < job.keywords.size(); ++k) {
    const size_t first = FirstEqual(job.keywords, k);
    if (first < k) {
      answers[k] = answers[first];
    } else {
      answers[k] = job.matched[index][k] || (local && matcher.Matches(job.keywords[k], *local));
    }
    count += answers[k];
  }
  return count;
}

}  // namespace

ContentSearchJob PrepareContentSearch(const CFileSetStore& store, std::string_view keywords, ItemList items,
                                      unsigned flags) {
  ContentSearchJob job;
  job.keywords = SplitKeywords(keywords);
  job.items = std::move(items);
  job.allRequired = (flags & kKeywordAllRequired) != 0;
  job.matched.assign(job.items.size(), std::vector<char>(job.keywords.size(), 0));
  const unsigned tests = flags & kStoreTests;
  if (tests == 0) return job;
  for (size_t k = 0; k < job.keywords.size(); ++k) {
    if (FirstEqual(job.keywords, k) == k) MarkStoreMatches(store, job, k, tests);
  }
  return job;
}

bool FinishContentSearch(ContentSearchJob& job, const KeywordSearchControl& control) {
  if (job.keywords.empty()) return true;
  CContentMatcher matcher(ContentOptions::FromEnvironment(), control.stop);
  std::vector<int> counts(job.items.size(), 0);
  for (size_t i = 0; i < job.items.size(); ++i) {
    if (control.stop.stop_requested()) return false;
    counts[i] = CountMatches(job, i, matcher);
    if (control.progress) control.progress(i + 1, job.items.size());
  }
  if (control.stop.stop_requested()) return false;  // answers given while stopping are not trusted

  const int needed = job.allRequired ? static_cast<int>(job.keywords.size()) : 1;
  std::vector<CFileItem> kept;
  for (size_t i = 0; i < job.items.size(); ++i) {
    if (counts[i] < needed) continue;
    job.items[i].SetPropertyValue(kKeywordsRankProperty, std::to_string(counts[i]));
    kept.push_back(std::move(job.items[i]));
  }
  job.items.AdoptSorted(std::move(kept));
  return true;
}

}  // namespace ovelin
