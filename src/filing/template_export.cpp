// Exporting a template: a pruned copy of the document, enciphered with the portable key.
#include <pugixml.hpp>

#include <set>
#include <unordered_map>

#include "filing/templates.h"
#include "store/data_file.h"
#include "store/envelope.h"
#include "store/xml_text.h"

namespace ovelin {
namespace {

struct ByteWriter : pugi::xml_writer {
  Bytes bytes;
  void write(const void* data, size_t size) override {
    const auto* begin = static_cast<const unsigned char*>(data);
    bytes.insert(bytes.end(), begin, begin + size);
  }
};

// Every set reachable from `start` by following `next`, `start` included.
template <typename Next>
void Reach(const std::string& start, Next next, std::set<std::string>& reached) {
  std::vector<std::string> pending{start};
  while (!pending.empty()) {
    std::string current = std::move(pending.back());
    pending.pop_back();
    if (!reached.insert(current).second) continue;
    for (auto& following : next(current)) pending.push_back(std::move(following));
  }
}

// The exported set, its descendants and its ancestors, all through `Childs` links.
std::set<std::string> KeptSets(const CFileSetStore& store, const std::string& exported) {
  std::unordered_map<std::string, NameList> namedAsChildBy;
  for (const auto& name : store.GetFileSetNames()) {
    for (const auto& child : store.GetChilds(name)) namedAsChildBy[child].push_back(name);
  }
  std::set<std::string> kept;
  Reach(
      exported, [&](const std::string& set) { return store.GetChilds(set); }, kept);
  kept.erase(exported);
  Reach(
      exported, [&](const std::string& set) { return namedAsChildBy[set]; }, kept);
  return kept;
}

void Prune(pugi::xml_node allSets, const std::set<std::string>& kept) {
  pugi::xml_node entitySets = allSets.child("EntitySets");
  for (pugi::xml_node set = entitySets.child("FileSet"); set;) {
    pugi::xml_node next = set.next_sibling("FileSet");
    if (kept.count(ChildText(set, "Name"))) {
      RemoveChildren(set.child("Elements"));
    } else {
      entitySets.remove_child(set);
    }
    set = next;
  }
  while (pugi::xml_node viewSets = allSets.child("ViewSetRoot")) allSets.remove_child(viewSets);
}

}  // namespace

CheckResult ExportTemplate(const CFileSetStore& store, const std::string& path, const std::string& setName) {
  const std::string exported = setName.empty() ? store.GetRootName() : setName;
  if (!store.FindFileSet(exported)) return {MessageId::TemplateExportFailed, MessageId::UnknownSet, {exported}};

  const Bytes text = store.GetXmlUtf16();
  pugi::xml_document copy;
  if (!copy.load_buffer(text.data(), text.size(), kDocumentParseOptions, pugi::encoding_utf16_le)) {
    return {MessageId::TemplateExportFailed, MessageId::None};
  }
  Prune(copy.child("AllSets"), KeptSets(store, exported));

  ByteWriter writer;
  copy.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf16_le);
  const auto cipher = Encipher(PortableKeyMaterial(), TerminatedUtf16(std::move(writer.bytes)));
  if (!cipher || !WriteFileAtomically(path, *cipher)) {
    return {MessageId::TemplateExportFailed, MessageId::CannotWriteFile, {path}};
  }
  return {};
}

}  // namespace ovelin
