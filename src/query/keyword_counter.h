#pragma once
// Counting the keywords one item matches: the four tests of the keyword search,
// cheapest first.

#include <optional>
#include <stop_token>
#include <string>
#include <vector>

#include "query/belonging_sets.h"
#include "query/content/content_matcher.h"
#include "store/file_item.h"

namespace ovelin {

/// Counts, for one search run, the keywords each item matches: in its lower-cased
/// name, in the sets whose names hold the keyword, in its lower-cased description
/// and in its local file's content, as the flags allow. Owns the run's content
/// matcher; uses neither the store nor anything shared besides the lists.
class KeywordCounter {
 public:
  /// `keywords` and `sets` (null without the set-name test) must outlive the counter.
  KeywordCounter(const std::vector<std::string>& keywords, unsigned flags, const BelongingSets* sets,
                 const std::stop_token& stop);

  /// The number of keywords the item matches; a keyword typed twice counts twice.
  int Count(const CFileItem& item);

 private:
  class ItemTexts;

  size_t FirstEqual(size_t index) const;
  bool Matches(size_t index, ItemTexts& texts);

  const std::vector<std::string>& keywords_;
  unsigned flags_;
  const BelongingSets* sets_;
  std::vector<char> matched_;  // per keyword, for the item being counted
  std::optional<ContentMatcher> content_;
  size_t maxFileBytes_ = 0;
};

}  // namespace ovelin
