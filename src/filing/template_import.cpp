// Importing a template: merging its set tree under the current root set.
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

DefinitionList OwnDefinitions(const CFileSetStore& source, const std::string& name) {
  DefinitionList own;
  for (const auto& definition : source.GetDefinitions(name)) {
    if (definition.origin != kOriginParent) own.push_back(definition);
  }
  return own;
}

class TemplateMerge {
 public:
  TemplateMerge(const CFileSetStore& source, CFileSetStore& target)
      : source_(source), target_(target), sourceRoot_(source.GetRootName()), targetRoot_(target.GetRootName()) {}

  // Each child of the template's root set goes under the importer's root set.
  void MergeUnderRoot() {
    for (const auto& child : source_.GetChilds(sourceRoot_)) {
      if (source_.FindFileSet(child)) Merge(child, targetRoot_);
    }
  }

 private:
  void Merge(const std::string& name, const std::string& parent) {
    // A parent cycle in a hand-made template ends here.
    if (ContainsName(path_, name)) return;
    if (!MergeOne(name, parent)) return;
    InsertName(path_, name);
    for (const auto& child : source_.GetChilds(name)) {
      if (source_.FindFileSet(child)) Merge(child, name);
    }
    RemoveName(path_, name);
  }

  // Links or creates the set; false when it and its subtree are skipped.
  bool MergeOne(const std::string& name, const std::string& parent) {
    const DefinitionList definitions = OwnDefinitions(source_, name);
    if (target_.FindFileSet(name)) {
      NameList parents = target_.GetParents(name);
      // A link that would make a cycle is refused by the store and left out.
      if (InsertName(parents, parent)) target_.SetParents(name, parents);
      target_.SetOwnDefinitions(name, MergedDefinitions(definitions, target_.GetDefinitions(name)));
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
  NameList path_;
};

}  // namespace

bool ImportTemplate(CFileSetStore& store, const std::string& path) {
  const auto cipher = ReadWholeFile(path);
  if (!cipher) return false;
  const auto plain = Decipher(*cipher, PortableKeyMaterial());
  if (!plain) return false;
  CFileSetStore source;
  if (!source.LoadXmlUtf16(*plain) || !source.IsUsableDocument()) return false;

  TemplateMerge(source, store).MergeUnderRoot();
  store.RebuildRootItems();
  return store.Save();
}

}  // namespace ovelin
