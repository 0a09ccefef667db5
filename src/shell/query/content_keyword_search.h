#pragma once
// A keyword search over file contents, prepared on the thread that owns the store
// and finished on a worker: the core's KeywordFilter reads the store only when it
// is made, and never while it filters.

#include <memory>
#include <string_view>

#include "query/keyword_search.h"
#include "store/file_set_store.h"
#include "store/item_list.h"

namespace ovelin {

struct ContentSearchJob {
  std::shared_ptr<const KeywordFilter> filter;
  ItemList items;  // the result to narrow
};

/// On the thread that owns the store: the filter for `keywords` and `flags`, with the items to narrow.
ContentSearchJob PrepareContentSearch(const CFileSetStore& store, std::string_view keywords, ItemList items,
                                      unsigned flags);

/// On any thread: narrows and ranks the job's items. False when stopped, with the items untouched.
bool FinishContentSearch(ContentSearchJob& job, const KeywordSearchControl& control);

}  // namespace ovelin
