#pragma once
// The keyword search: narrows a result list to the items whose name, description,
// owning set names or file content contain the keywords, and ranks each kept item
// by the number of keywords it matched.

#include <cstddef>
#include <functional>
#include <optional>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "query/belonging_sets.h"
#include "store/file_set_store.h"
#include "store/item_list.h"

namespace ovelin {

/// Where the keyword filter looks, and how many keywords an item must match.
enum KeywordMatchFlag : unsigned {
  kKeywordInName = 1,
  kKeywordInDescription = 2,
  kKeywordInContent = 4,
  kKeywordAllRequired = 8,
  kKeywordInSetNames = 16,
};

/// The pseudo property that carries an item's keyword rank in a result list.
inline constexpr std::string_view kKeywordsRankProperty = "<ItemKeywordsRank>";

/// Cancellation and progress of one search run.
struct KeywordSearchControl {
  /// A stop request ends the run early: the filter then leaves the list unchanged
  /// and a running content reader is abandoned.
  std::stop_token stop;
  /// Called after each item with the number of items tested and their total; may be empty.
  std::function<void(size_t done, size_t total)> progress;
};

/// The keywords of a keyword field's text: the whole text lower-cased, split at
/// every space, empty pieces dropped; a keyword typed twice stays twice.
std::vector<std::string> SplitKeywords(std::string_view text);

/// The flags the query panel searches with: name, description and set names
/// always; content when KeywordsSearch/SearchFileContent is on and all keywords
/// required when KeywordsSearch/IncludeAll is on, both read now.
unsigned QueryPanelKeywordFlags(const CFileSetStore& store);

/// One keyword search, split so that the part that reads file contents can run on
/// another thread: the constructor reads what it needs from the store (the
/// keywords' belonging-set lists), Apply never touches the store.
class KeywordFilter {
 public:
  /// Splits the keywords (SplitKeywords) and, when the flags ask for set names,
  /// collects the items of every set whose name holds a keyword.
  KeywordFilter(const CFileSetStore& store, std::string_view keywords, unsigned flags);

  /// Filters and ranks `items` in place as FilterByKeywords describes. With content
  /// tests the items are shared out among the processor's cores, each worker with
  /// a content matcher of its own; progress is reported from the calling thread.
  /// Safe to call from any thread, also several at once. False only when
  /// stopped, with `items` untouched.
  bool Apply(ItemList& items, const KeywordSearchControl& control = {}) const;

  /// The keywords, lower-cased, in typed order.
  const std::vector<std::string>& Keywords() const { return keywords_; }

 private:
  std::vector<std::string> keywords_;  // empty when the flags are zero
  unsigned flags_;
  std::optional<BelongingSets> sets_;
};

/// Filters `items` in place: each keyword counts once for an item when, in this
/// order, its name, one of the sets whose name holds the keyword, its description
/// or its local file's content contains it (as the flags allow). Items matching
/// no keyword (every keyword, with kKeywordAllRequired) are removed; the others
/// get their count as kKeywordsRankProperty. Does nothing when the flags are zero
/// or the text holds no keyword. False only when stopped, with `items` untouched.
bool FilterByKeywords(const CFileSetStore& store, std::string_view keywords, ItemList& items, unsigned flags,
                      const KeywordSearchControl& control = {});

/// The item's keyword rank; 0 when it carries none.
int KeywordRankOf(const CFileItem& item);

}  // namespace ovelin
