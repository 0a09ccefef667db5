// Store paths of sets (a folder, or a sub-folder of a parent's store path) and notes.
#include <unordered_set>

#include "store/file_set_store.h"
#include "store/xml_text.h"

namespace ovelin {
namespace {

// Removes trailing "/" characters, keeping a lone "/" (the file-system root).
std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string StripForJoin(std::string path) {
  while (!path.empty() && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

void CFileSetStore::SetStorePath(std::string_view name, const std::string& text, StorePathKind kind) {
  pugi::xml_node set = FindFileSet(name);
  if (!set) return;
  pugi::xml_node storePath = set.child("StorePath");
  if (!storePath) storePath = set.append_child("StorePath");
  SetAttribute(storePath, "Type", kind == StorePathKind::ExParent ? "ExParent" : "UsrDef");
  SetNodeText(storePath, text);
}

StorePath CFileSetStore::GetStorePath(std::string_view name) const {
  pugi::xml_node set = FindFileSet(name);
  if (!set) return {};
  pugi::xml_node storePath = set.child("StorePath");
  const std::string_view type = storePath.attribute("Type").value();
  if (type == "UsrDef") return {true, StorePathKind::UsrDef, NodeText(storePath)};
  if (type == "ExParent") return {true, StorePathKind::ExParent, NodeText(storePath)};
  return {true, StorePathKind::UsrDef, ""};
}

bool CFileSetStore::KeepExtendedParent(const std::string& name) {
  const StorePath path = GetStorePath(name);
  const NameList parents = GetParents(name);
  if (path.kind != StorePathKind::ExParent || parents.empty() || ContainsName(parents, path.text)) return false;
  SetStorePath(name, parents.back(), StorePathKind::ExParent);
  return true;
}

std::string CFileSetStore::GetEffectiveStorePath(std::string_view name) const {
  const StorePath path = GetStorePath(name);
  if (!path.found) return {};
  if (path.kind == StorePathKind::UsrDef) return WithoutTrailingSlashes(path.text);
  return WithoutTrailingSlashes(ResolveExtendedStorePath(name, path.text));
}

std::string CFileSetStore::ResolveExtendedStorePath(std::string_view name, std::string_view parent) const {
  // Walks up the chain of extended parents; a chain that comes back to a set it
  // has passed (possible in a hand-edited file) stops there. The names are joined
  // once at the end, so that a long chain costs time in proportion to its text.
  NameList passed{std::string(name)};
  std::unordered_set<std::string> seen{std::string(name)};
  std::string current(parent);
  std::string top;
  while (true) {
    const StorePath path = GetStorePath(current);
    if (!path.found) break;
    if (path.kind == StorePathKind::UsrDef) {
      top = StripForJoin(path.text);
      break;
    }
    if (!seen.insert(current).second) break;
    passed.push_back(current);
    current = path.text;
  }
  for (auto it = passed.rbegin(); it != passed.rend(); ++it) top += "/" + *it;
  return top;
}

void CFileSetStore::SetNote(std::string_view name, const std::string& text) {
  pugi::xml_node set = FindFileSet(name);
  if (!set) return;
  pugi::xml_node note = set.child("Note");
  if (!note) note = set.append_child("Note");
  SetNodeText(note, text);
}

std::string CFileSetStore::GetNote(std::string_view name) const { return ChildText(FindFileSet(name), "Note"); }

}  // namespace ovelin
