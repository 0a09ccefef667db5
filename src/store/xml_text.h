#pragma once
// Small helpers over pugixml nodes used by every store operation.

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace ovelin {

/// How every document is parsed: whitespace-only text, comments and processing
/// instructions are kept, and line ends are left as they are (the writer does not
/// escape a carriage return in text), so that what is written parses back into an
/// equal document.
inline constexpr unsigned kDocumentParseOptions =
    (pugi::parse_default & ~pugi::parse_eol) | pugi::parse_ws_pcdata | pugi::parse_comments | pugi::parse_pi;

/// The deepest nesting a document may have: far deeper than any document the program
/// writes, and shallow enough for any reader of it.
inline constexpr size_t kMaxDocumentDepth = 1000;

/// The number of element levels from `node` down to its deepest element (1 for an
/// element without child elements, 0 for an empty node). Walks without recursion.
size_t NestingDepth(pugi::xml_node node);

/// The concatenated text of an element (all descendant text), as the DOM's text property.
std::string NodeText(pugi::xml_node node);

/// Replaces the element's children by one text node.
void SetNodeText(pugi::xml_node node, std::string_view text);

/// The text of the named child element; empty when missing.
std::string ChildText(pugi::xml_node node, const char* child);

/// Removes every child node of `node`.
void RemoveChildren(pugi::xml_node node);

/// Appends a child element holding `text`.
pugi::xml_node AppendTextElement(pugi::xml_node parent, const char* name, std::string_view text);

/// Sets (creating or replacing) an attribute.
void SetAttribute(pugi::xml_node node, const char* name, std::string_view value);

/// Appends text with the characters XML reserves written as entities (safe in
/// element text and in double-quoted attributes alike).
void AppendXmlEscaped(std::string& out, std::string_view text);

}  // namespace ovelin
