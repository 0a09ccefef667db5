#include "store/xml_text.h"

#include <algorithm>
#include <string>

namespace ovelin {
namespace {

// Walks without recursion: a document may be nested deeper than the stack allows.
void AppendDescendantText(pugi::xml_node top, std::string& text) {
  pugi::xml_node node = top.first_child();
  while (node) {
    const auto type = node.type();
    if (type == pugi::node_pcdata || type == pugi::node_cdata) text += node.value();
    if (type == pugi::node_element && node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node != top && !node.next_sibling()) node = node.parent();
    if (node == top) return;
    node = node.next_sibling();
  }
}

}  // namespace

size_t NestingDepth(pugi::xml_node top) {
  if (top.type() != pugi::node_element && top.type() != pugi::node_document) return 0;
  size_t depth = top.type() == pugi::node_element ? 1 : 0;
  size_t deepest = depth;
  pugi::xml_node node = top.first_child();
  while (node) {
    if (node.type() == pugi::node_element) {
      deepest = std::max(deepest, depth + 1);
      if (node.first_child()) {
        ++depth;
        node = node.first_child();
        continue;
      }
    }
    while (node.parent() != top && !node.next_sibling()) {
      node = node.parent();
      --depth;
    }
    node = node.next_sibling();
  }
  return deepest;
}

std::string NodeText(pugi::xml_node node) {
  const pugi::xml_node first = node.first_child();
  if (!first) return {};
  // Fast path: an element holding exactly one text node.
  if (!first.next_sibling() && (first.type() == pugi::node_pcdata || first.type() == pugi::node_cdata)) {
    return first.value();
  }
  std::string text;
  AppendDescendantText(node, text);
  return text;
}

void SetNodeText(pugi::xml_node node, std::string_view text) {
  RemoveChildren(node);
  if (!text.empty()) node.append_child(pugi::node_pcdata).set_value(std::string(text).c_str());
}

std::string ChildText(pugi::xml_node node, const char* child) { return NodeText(node.child(child)); }

void RemoveChildren(pugi::xml_node node) {
  while (pugi::xml_node child = node.first_child()) node.remove_child(child);
}

pugi::xml_node AppendTextElement(pugi::xml_node parent, const char* name, std::string_view text) {
  pugi::xml_node element = parent.append_child(name);
  SetNodeText(element, text);
  return element;
}

void SetAttribute(pugi::xml_node node, const char* name, std::string_view value) {
  pugi::xml_attribute attribute = node.attribute(name);
  if (!attribute) attribute = node.append_attribute(name);
  attribute.set_value(std::string(value).c_str());
}

void AppendXmlEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out.push_back(c);
    }
  }
}

}  // namespace ovelin
