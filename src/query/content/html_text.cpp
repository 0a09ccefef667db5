#include "query/content/html_text.h"

#include <gumbo.h>

#include <csetjmp>
#include <vector>

#include "query/content/parse_arena.h"

namespace ovelin {

namespace {

// Gumbo takes all its memory from the arena. When the arena refuses (budget or
// deadline spent), the allocator jumps back out of the parser: gumbo is C code with
// no resources of its own besides that memory, and the arena frees it all at once.
// For the same reason the output is never handed to gumbo_destroy_output, whose
// recursion over the tree could overflow the stack on deeply nested pages.
struct ParseContext {
  ParseContext(size_t budget, ParseArena::Clock::time_point deadline) : arena(budget, deadline) {}
  ParseArena arena;
  std::jmp_buf overrun;
};

void* AllocateFromArena(void* userdata, size_t size) {
  auto* context = static_cast<ParseContext*>(userdata);
  void* memory = context->arena.Allocate(size);
  if (!memory) std::longjmp(context->overrun, 1);
  return memory;
}

void KeepUntilArenaEnds(void*, void*) {}

GumboOutput* ParseWithinLimits(ParseContext& context, const GumboOptions& options, std::string_view page) {
  if (setjmp(context.overrun) != 0) return nullptr;
  return gumbo_parse_with_options(&options, page.data(), page.size());
}

bool IsSkippedElement(const GumboNode& node) {
  const GumboTag tag = node.v.element.tag;
  return tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE;
}

// Walks the tree with an explicit stack, so nesting depth costs no call stack.
std::string CollectText(const GumboNode* root) {
  std::string text;
  std::vector<const GumboNode*> pending{root};
  while (!pending.empty()) {
    const GumboNode* node = pending.back();
    pending.pop_back();
    switch (node->type) {
      case GUMBO_NODE_TEXT:
      case GUMBO_NODE_CDATA:
      case GUMBO_NODE_WHITESPACE:
        text += node->v.text.text;
        break;
      case GUMBO_NODE_DOCUMENT:
      case GUMBO_NODE_ELEMENT:
      case GUMBO_NODE_TEMPLATE: {
        if (node->type != GUMBO_NODE_DOCUMENT && IsSkippedElement(*node)) break;
        const GumboVector& children =
            node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
        for (unsigned i = children.length; i > 0; --i)
          pending.push_back(static_cast<const GumboNode*>(children.data[i - 1]));
        break;
      }
      case GUMBO_NODE_COMMENT:
        break;
    }
  }
  return text;
}

}  // namespace

std::optional<std::string> HtmlDocumentText(std::string_view utf8Page, const HtmlParseLimits& limits) {
  ParseContext context(limits.maxMemoryBytes, ParseArena::Clock::now() + limits.maxTime);
  GumboOptions options = kGumboDefaultOptions;
  options.allocator = AllocateFromArena;
  options.deallocator = KeepUntilArenaEnds;
  options.userdata = &context;
  options.max_errors = 0;  // recorded errors copy the open-element stack: quadratic on deep pages
  const GumboOutput* output = ParseWithinLimits(context, options, utf8Page);
  if (!output) return std::nullopt;
  return CollectText(output->document);
}

}  // namespace ovelin
