// Importing a template: merging its set tree under the current root set.
#include <unordered_map>
#include <unordered_set>

#include "filing/templates.h"
#include "store/data_file.h"
#include "store/envelope.h"

namespace ovelin {
namespace {

// The template's own definitions of a set (inherited ones come again from its new
// parents), followed by the set's current definitions that the template does not
// name, so that merging never takes a definition, or its items' values, away.
DefinitionList MergedDefinitions(const DefinitionList& fromTemplate, const DefinitionList& current) {
  DefinitionList merged = fromTemplate;
  for (const auto& definition : current) {
    if (!FindDefinition(merged, definition.name)) merged.push_back(definition);
  }
  return merged;
}

class TemplateMerge {
 public:
  TemplateMerge(const CFileSetStore& source, CFileSetStore& target)
      : source_(source),
        target_(target),
        sourceRoot_(source.GetRootName()),
        targetRoot_(target.GetRootName()),
        ownDefinitions_(source.GetOwnDefinitionsOfAll()) {}

  // Each child of the template's root set goes under the importer's root set, and
  // each set's children under it, depth first on an explicit stack. A set is merged
  // once for every path that reaches it; a set already on the path (a parent cycle
  // in a hand-made template) ends that path.
  void MergeUnderRoot() {
    std::vector<Frame> stack;
    stack.push_back({sourceRoot_, targetRoot_, source_.GetChilds(sourceRoot_), 0, false});
    while (!stack.empty()) {
      Frame& top = stack.back();
      if (top.next == top.childs.size()) {
        if (top.onPath) onPath_.erase(top.name);
        stack.pop_back();
        continue;
      }
      const std::string child = top.childs[top.next++];
      const std::string parent = top.childsGoUnder;
      if (!source_.FindFileSet(child) || onPath_.count(child) || !MergeOne(child, parent)) continue;
      onPath_.insert(child);
      stack.push_back({child, child, source_.GetChilds(child), 0, true});
    }
  }

 private:
  struct Frame {
    std::string name;
    std::string childsGoUnder;  // the importer's set that the children are linked under
    NameList childs;
    size_t next = 0;
    bool onPath = false;
  };

  // The template's own definitions of a set: inherited ones come again from its new parents.
  const DefinitionList& OwnDefinitions(const std::string& name) const {
    static const DefinitionList none;
    const auto found = ownDefinitions_.find(name);
    return found == ownDefinitions_.end() ? none : found->second;
  }

  // Links or creates the set; false when it and its subtree are skipped.
  bool MergeOne(const std::string& name, const std::string& parent) {
    const DefinitionList& definitions = OwnDefinitions(name);
    if (target_.FindFileSet(name)) {
      NameList parents = target_.GetParents(name);
      // A link that would make a cycle is refused by the store and left out.
      if (InsertName(parents, parent)) target_.SetParents(name, parents);
      // A template set that defines nothing itself changes no definition.
      if (!definitions.empty()) {
        target_.SetOwnDefinitions(name, MergedDefinitions(definitions, target_.GetDefinitions(name)));
      }
      return true;
    }
    if (target_.HasViewSet(name)) return false;
    const StorePath storePath = ImportedStorePath(name);
    if (!target_.CreateFileSet(name, {parent}, storePath.text, storePath.kind, definitions)) return false;
    if (const std::string note = source_.GetNote(name); !note.empty()) target_.SetNote(name, note);
    return true;
  }

  // The template's store path, with an extension of the template's root set made an
  // extension of the importer's root set.
  StorePath ImportedStorePath(const std::string& name) const {
    StorePath storePath = source_.GetStorePath(name);
    if (storePath.kind == StorePathKind::ExParent && storePath.text == sourceRoot_) storePath.text = targetRoot_;
    return storePath;
  }

  const CFileSetStore& source_;
  CFileSetStore& target_;
  const std::string sourceRoot_;
  const std::string targetRoot_;
  const std::unordered_map<std::string, DefinitionList> ownDefinitions_;
  std::unordered_set<std::string> onPath_;
};

}  // namespace

CheckResult ImportTemplate(CFileSetStore& store, const std::string& path) {
  const auto cipher = ReadWholeFile(path);
  if (!cipher) return {MessageId::TemplateImportFailed, MessageId::CannotReadFile, {path}};
  const auto plain = Decipher(*cipher, PortableKeyMaterial());
  if (!plain) return {MessageId::TemplateImportFailed, MessageId::TemplateUndecipherable, {path}};
  CFileSetStore source;
  if (!source.LoadXmlUtf16(*plain) || !source.IsUsableDocument()) {
    return {MessageId::TemplateImportFailed, MessageId::TemplateWithoutSets, {path}};
  }

  TemplateMerge(source, store).MergeUnderRoot();
  store.RebuildRootItems();
  if (!store.Save()) return {MessageId::TemplateImportFailed, MessageId::SaveFailed, {store.GetDataFilePath()}};
  return {};
}

}  // namespace ovelin
