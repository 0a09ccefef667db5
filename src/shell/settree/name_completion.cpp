#include "shell/settree/name_completion.h"

#include <QCoreApplication>

#include <string>
#include <string_view>

#include "query/tokenizer.h"
#include "shell/app/qt_text.h"
#include "store/file_set_store.h"

namespace ovelin {
namespace {

struct ByteRange {
  size_t begin = 0;
  size_t end = 0;
};

// The last operand token of the text (empty at the end when the text ends with
// an operator character).
ByteRange LastOperand(std::string_view text) {
  ByteRange last{text.size(), text.size()};
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t begin = pos;
    const std::string_view token = NextToken(text, pos);
    if (token.empty() || pos == begin) break;
    const bool isOperator = token.size() == 1 && IsOperatorChar(token[0]);
    last = isOperator ? ByteRange{pos, pos} : ByteRange{begin, pos};
  }
  return last;
}

// The words of an operand: runs split at spaces outside double quotes.
std::vector<ByteRange> Words(std::string_view text, ByteRange operand) {
  std::vector<ByteRange> words;
  bool quoted = false;
  size_t start = operand.begin;
  for (size_t i = operand.begin; i <= operand.end; ++i) {
    const bool atEnd = i == operand.end;
    if (!atEnd && text[i] == '"') quoted = !quoted;
    if (atEnd || (text[i] == ' ' && !quoted)) {
      if (i > start) words.push_back({start, i});
      start = i + 1;
    }
  }
  return words;
}

qsizetype QtIndex(const std::string& text, size_t byteOffset) { return ToQ(text.substr(0, byteOffset)).size(); }

}  // namespace

QString WrongNameEntry() { return QCoreApplication::translate("ovelin::CQueryExpEdit", "<错误文件集名称,清除>"); }

std::optional<NameProposal> ProposeSetNames(const CFileSetStore& store, const QString& textBeforeCaret) {
  const std::string text = ToStd(textBeforeCaret);
  const ByteRange operand = LastOperand(text);
  const std::vector<ByteRange> words = Words(text, operand);
  if (words.size() > 1) return std::nullopt;

  NameProposal proposal;
  const ByteRange word = words.empty() ? ByteRange{text.size(), text.size()} : words.front();
  proposal.partialWord = ToQ(text.substr(word.begin, word.end - word.begin));
  proposal.wordStart = QtIndex(text, word.begin);
  proposal.wordEnd = QtIndex(text, word.end);

  NameList names = store.GetFileSetNames();
  const NameList viewSets = store.GetViewSetNames();
  names.insert(names.end(), viewSets.begin(), viewSets.end());
  SortNames(names);
  const QString wanted = proposal.partialWord.toLower();
  for (const auto& name : names) {
    const QString candidate = ToQ(name);
    if (candidate.toLower().contains(wanted)) proposal.entries.append(candidate);
  }
  if (proposal.entries.isEmpty() && !proposal.partialWord.isEmpty()) proposal.entries.append(WrongNameEntry());
  return proposal;
}

QString ApplyProposal(const QString& textBeforeCaret, const NameProposal& proposal, const QString& entry) {
  const QString replacement = entry == WrongNameEntry() ? QString() : entry;
  return textBeforeCaret.left(proposal.wordStart) + replacement + textBeforeCaret.mid(proposal.wordEnd);
}

}  // namespace ovelin
