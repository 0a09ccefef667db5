#include "query/tokenizer.h"

namespace ovelin {

bool IsOperatorChar(char c) { return c == '+' || c == '-' || c == '^' || c == '(' || c == ')'; }

std::string_view NextToken(std::string_view text, size_t& pos) {
  if (pos >= text.size()) return {};
  const size_t start = pos;
  bool quoted = false;
  size_t at = start;
  for (; at < text.size(); ++at) {
    if (text[at] == '"') quoted = !quoted;
    if (!quoted && IsOperatorChar(text[at])) break;
  }
  if (at == start) {
    pos = start + 1;
    return text.substr(start, 1);
  }
  pos = at;
  return text.substr(start, at - start);
}

}  // namespace ovelin
