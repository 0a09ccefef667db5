#include "shell/query/content_keyword_search.h"

namespace ovelin {

ContentSearchJob PrepareContentSearch(const CFileSetStore& store, std::string_view keywords, ItemList items,
                                      unsigned flags) {
  return {std::make_shared<const KeywordFilter>(store, keywords, flags), std::move(items)};
}

bool FinishContentSearch(ContentSearchJob& job, const KeywordSearchControl& control) {
  return job.filter->Apply(job.items, control);
}

}  // namespace ovelin
