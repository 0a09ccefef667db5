#pragma once
// The keyword search in two stages, so that reading file contents can run on a
// worker thread without touching the store: the tests that need the store (item
// names, set names, descriptions) run first on the calling thread; the content
// tests and the ranking then need only the items and the files.

#include <string>
#include <string_view>
#include <vector>

#include "query/keyword_search.h"
#include "store/file_set_store.h"
#include "store/item_list.h"

namespace ovelin {

struct ContentSearchJob {
  std::vector<std::string> keywords;       // lower-cased, a keyword typed twice stays twice
  ItemList items;                          // the result to narrow
  std::vector<std::vector<char>> matched;  // per item, per keyword: matched without reading content
  bool allRequired = false;                // every keyword must match (else one is enough)
};

/// Stage one, on the thread that owns the store: splits the keywords and marks,
/// for every item, the keywords that its name, its sets' names or its description
/// contain (as `flags` allow; the content and all-required bits are kept for stage two).
ContentSearchJob PrepareContentSearch(const CFileSetStore& store, std::string_view keywords, ItemList items,
                                      unsigned flags);

/// Stage two, without the store: reads the local files of the items for the
/// keywords stage one left unmatched, then keeps the items that match enough
/// keywords, each ranked with its count as FilterByKeywords ranks. False when
/// stopped, with the items untouched.
bool FinishContentSearch(ContentSearchJob& job, const KeywordSearchControl& control);

}  // namespace ovelin
