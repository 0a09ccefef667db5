#include "query/view_set_references.h"

#include "query/tokenizer.h"

namespace ovelin {
namespace {

// Where the name of an operand token starts and how long it is: the first word,
// up to a space outside double quotes.
struct NameSpan {
  size_t start = 0;
  size_t length = 0;
};

NameSpan OperandName(std::string_view token) {
  const size_t start = token.find_first_not_of(' ');
  if (start == std::string_view::npos) return {token.size(), 0};
  bool quoted = false;
  size_t end = start;
  for (; end < token.size(); ++end) {
    if (token[end] == '"') quoted = !quoted;
    if (!quoted && token[end] == ' ') break;
  }
  return {start, end - start};
}

template <typename Visit>
void ForEachOperandName(std::string_view expression, Visit visit) {
  size_t pos = 0;
  while (pos < expression.size()) {
    const size_t start = pos;
    const std::string_view token = NextToken(expression, pos);
    if (token.size() == 1 && IsOperatorChar(token[0])) continue;
    const NameSpan name = OperandName(token);
    visit(start + name.start, token.substr(name.start, name.length));
  }
}

}  // namespace

std::string RenameInExpression(std::string_view expression, std::string_view oldName, std::string_view newName) {
  std::string out;
  size_t copied = 0;
  ForEachOperandName(expression, [&](size_t at, std::string_view name) {
    if (name != oldName) return;
    out.append(expression.substr(copied, at - copied));
    out.append(newName);
    copied = at + name.size();
  });
  out.append(expression.substr(copied));
  return out;
}

bool ExpressionNames(std::string_view expression, std::string_view name) {
  bool found = false;
  ForEachOperandName(expression, [&](size_t, std::string_view operand) { found = found || operand == name; });
  return found;
}

NameList RenameReferences(CFileSetStore& store, std::string_view oldName, std::string_view newName) {
  NameList changed;
  for (const auto& view : store.GetViewSetNames()) {
    const std::string expression = store.GetViewSetExpression(view);
    const std::string renamed = RenameInExpression(expression, oldName, newName);
    if (renamed == expression) continue;
    store.SetViewSetExpression(view, renamed);
    changed.push_back(view);
  }
  return changed;
}

NameList ViewSetsReferring(const CFileSetStore& store, std::string_view name) {
  NameList referring;
  for (const auto& view : store.GetViewSetNames()) {
    if (ExpressionNames(store.GetViewSetExpression(view), name)) referring.push_back(view);
  }
  return referring;
}

bool RenameFileSetWithReferences(CFileSetStore& store, const std::string& oldName, const std::string& newName) {
  if (!store.RenameFileSet(oldName, newName)) return false;
  if (oldName != newName) RenameReferences(store, oldName, newName);
  return true;
}

}  // namespace ovelin
