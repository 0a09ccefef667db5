#include "query/keyword_counter.h"

#include <utility>

#include "query/content/lower_case.h"
#include "query/keyword_search.h"
#include "query/page_prefilter.h"
#include "store/file_url.h"

namespace ovelin {
namespace {

bool Contains(const std::string& text, const std::string& keyword) { return text.find(keyword) != std::string::npos; }

// The local path of a "file" URL, whatever the letter case of its scheme.
std::optional<std::string> LocalPathOf(const std::string& url) {
  if (!IsFileUrl(url) || url.compare(4, 3, "://") != 0) return std::nullopt;
  return FileUrlToLocalPath("file" + url.substr(4));
}

}  // namespace

// The texts of one item that the tests look at, each made when first needed and
// then kept for the following keywords.
class KeywordCounter::ItemTexts {
 public:
  explicit ItemTexts(const CFileItem& item) : item_(item) {}

  const std::string& Path() const { return item_.GetPath(); }
  const std::string& Name() {
    return Lazy(name_, [&] { return LowerCase(item_.GetName()); });
  }
  const std::string& Description() {
    return Lazy(description_, [&] { return LowerCase(item_.GetDescription()); });
  }
  const std::optional<std::string>& LocalPath() {
    if (!localPathKnown_) localPath_ = LocalPathOf(item_.GetPath());
    localPathKnown_ = true;
    return localPath_;
  }
  // The pre-test of the local file's content; only for an item with a local path.
  ContentPrefilter& Prefilter(size_t maxBytes) {
    if (!prefilter_) prefilter_.emplace(*LocalPath(), maxBytes);
    return *prefilter_;
  }

 private:
  template <typename Make>
  static const std::string& Lazy(std::optional<std::string>& slot, Make make) {
    if (!slot) slot = make();
    return *slot;
  }

  const CFileItem& item_;
  std::optional<std::string> name_;
  std::optional<std::string> description_;
  std::optional<std::string> localPath_;
  bool localPathKnown_ = false;
  std::optional<ContentPrefilter> prefilter_;
};

KeywordCounter::KeywordCounter(const std::vector<std::string>& keywords, unsigned flags, const BelongingSets* sets,
                               const std::stop_token& stop)
    : keywords_(keywords), flags_(flags), sets_(sets), matched_(keywords.size(), 0) {
  if (!(flags_ & kKeywordInContent)) return;
  ContentOptions options = ContentOptions::FromEnvironment();
  maxFileBytes_ = options.maxFileBytes;
  content_.emplace(std::move(options), stop);
}

int KeywordCounter::Count(const CFileItem& item) {
  ItemTexts texts(item);
  int count = 0;
  for (size_t i = 0; i < keywords_.size(); ++i) {
    const size_t first = FirstEqual(i);  // a repeated keyword has the same answer
    matched_[i] = first < i ? matched_[first] : Matches(i, texts);
    if (matched_[i]) ++count;
  }
  return count;
}

size_t KeywordCounter::FirstEqual(size_t index) const {
  for (size_t j = 0; j < index; ++j) {
    if (keywords_[j] == keywords_[index]) return j;
  }
  return index;
}

// The tests of one keyword, cheapest first; file content is read only when the
// others fail, and an HTML page is parsed only when its raw text leaves room for the keyword.
bool KeywordCounter::Matches(size_t index, ItemTexts& texts) {
  const std::string& keyword = keywords_[index];
  if ((flags_ & kKeywordInName) && Contains(texts.Name(), keyword)) return true;
  if (sets_ && sets_->Holds(index, texts.Path())) return true;
  if ((flags_ & kKeywordInDescription) && Contains(texts.Description(), keyword)) return true;
  if (!content_ || !texts.LocalPath()) return false;
  return texts.Prefilter(maxFileBytes_).MayContain(keyword) && content_->Matches(keyword, *texts.LocalPath());
}

}  // namespace ovelin
