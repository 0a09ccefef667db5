#pragma once
// CFileSetStore: the one data document with the set graph, items, property
// definitions, view sets and configuration, and the data file it lives in.
// Operations report failure by their result and never throw.

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/envelope.h"
#include "store/file_item.h"
#include "store/item_list.h"
#include "store/name_list.h"
#include "store/property_definition.h"
#include "store/root_item_index.h"

namespace ovelin {

inline constexpr std::string_view kProgramVersion = "1.50";
inline constexpr std::string_view kStarterRootName = "我的文档";

enum class StorePathKind { UsrDef = 0, ExParent = 1 };

struct StorePath {
  bool found = false;
  StorePathKind kind = StorePathKind::UsrDef;
  std::string text;
};

struct NameUse {
  bool used = false;
  bool isViewSet = false;
};

/// Definitions in force, by set name, worked out once for several calls.
using DefinitionMemo = std::unordered_map<std::string, DefinitionList>;

struct ItemRef {
  std::string name;
  std::string path;
};

class CFileSetStore {
 public:
  CFileSetStore();
  CFileSetStore(const CFileSetStore&) = delete;
  CFileSetStore& operator=(const CFileSetStore&) = delete;

  // ---- Document and data file ----

  /// Reads, deciphers and parses the data file, and upgrades an older document in
  /// memory only: the file is not written.
  bool Load(const std::string& path);
  /// True when Load upgraded the document and no save has written it since.
  bool HasUnsavedUpgrade() const { return unsavedUpgrade_; }
  /// Parses a plain UTF-8 XML text whose root is `AllSets`, upgrades it and
  /// rebuilds the root item list. The document is unchanged on failure.
  bool LoadXml(std::string_view xml);
  /// The same from deciphered envelope bytes (UTF-16LE text up to a zero code unit).
  bool LoadXmlUtf16(const Bytes& plain);
  /// Replaces the document by the starter document (root set, defaults).
  void CreateStarterDocument();
  /// Writes the enciphered document to the data file path, atomically.
  bool Save();
  /// Sets the data file path, then saves.
  bool SaveTo(const std::string& path);
  /// The path of the last successful load or SaveTo.
  const std::string& GetDataFilePath() const { return dataFilePath_; }
  /// The document as UTF-8 XML text, indented or raw.
  std::string GetXml(bool indent) const;
  /// The document as UTF-16LE code units without terminator.
  Bytes GetXmlUtf16() const;

  /// "/AllSets/@Version"; "1.02" when it cannot be read.
  std::string GetVersion() const;
  /// Brings an older document up to version 1.50; true when it changed it.
  bool Upgrade();
  /// "/AllSets/EntitySets/@RootName"; empty when missing.
  std::string GetRootName() const;
  /// Whether the program can work with the document: its root set exists under a
  /// name that is not blank, and it nests no deeper than kMaxDocumentDepth.
  bool IsUsableDocument() const;

  // ---- Entity file sets ----

  /// The `FileSet` of that name; an empty node for the empty or an unknown name.
  pugi::xml_node FindFileSet(std::string_view name) const;
  /// All entity set names in name order.
  NameList GetFileSetNames() const;
  /// Whether an entity set, or else a view set, has that name.
  NameUse IsNameUsed(std::string_view name) const;
  NameList GetChilds(std::string_view name) const;
  NameList GetParents(std::string_view name) const;
  /// True when `a` is a child or deeper descendant of `b`.
  bool IsDescendant(std::string_view a, std::string_view b) const;
  /// Every path from the root set down to the set, as "/Root/A/B", one per chain of
  /// parents (parents in name order); none for an unknown set. A parent cycle of a
  /// damaged file is not followed round. The walk stops after `limit` paths.
  NameList GetPathsFromRoot(std::string_view name, size_t limit = 10000) const;
  /// How many paths GetPathsFromRoot would give without a limit, counted without
  /// listing them (a ladder of sets has exponentially many); saturates at SIZE_MAX.
  size_t CountPathsFromRoot(std::string_view name) const;
  /// Creates a set; refuses bad or used names and parent lists naming the set itself.
  bool CreateFileSet(const std::string& name, const NameList& parents, const std::string& storePath, StorePathKind kind,
                     const DefinitionList& definitions);
  bool RenameFileSet(const std::string& oldName, const std::string& newName);
  /// Replaces the parents; refuses a parent that is the set itself or one of its descendants.
  bool SetParents(const std::string& name, const NameList& parents);
  /// Deletes the set, and with it every child left without a parent; a child that
  /// keeps other parents and extended the set's store path extends its last parent.
  bool DeleteFileSet(const std::string& name, bool deleteFiles);
  void SetStorePath(std::string_view name, const std::string& text, StorePathKind kind);
  StorePath GetStorePath(std::string_view name) const;
  /// A set whose store path extends a set that is not one of its parents extends
  /// its last parent in name order instead; true when it changed.
  bool KeepExtendedParent(const std::string& name);
  std::string GetEffectiveStorePath(std::string_view name) const;
  std::string ResolveExtendedStorePath(std::string_view name, std::string_view parent) const;
  void SetNote(std::string_view name, const std::string& text);
  std::string GetNote(std::string_view name) const;

  // ---- Items ----

  /// A copy of the root item list's item of that path; an empty item when none.
  CFileItem FindItemByPath(std::string_view path) const;
  /// The owning sets of the listed items that the root item list holds, merged.
  NameList CollectOwningSets(const ItemList& items) const;
  /// (Name, Path) of every element of the set, in document order.
  std::vector<ItemRef> ReadSetItemRefs(std::string_view name) const;
  /// The set's own items, in document order (not merged), each owned by the set.
  std::vector<CFileItem> ReadSetItems(std::string_view name) const;
  /// The items of an entity set and all its descendants, merged and sorted;
  /// nothing when no entity set has that name. Each set is read once.
  std::optional<ItemList> ReadSetTreeItems(const std::string& name) const;
  /// Rewrites the `Elements` of the set named by the list's name.
  void WriteSetElements(const ItemList& items);
  /// The items of the root set and its descendants.
  const ItemList& GetRootItems() const { return rootItems_.List(); }
  /// Inserts or replaces an item of the root item list.
  void PutRootItem(const CFileItem& item);
  /// Removes an item from the root item list.
  void RemoveRootItem(std::string_view path);
  /// Rebuilds the root item list from the document.
  void RebuildRootItems();

  // ---- Property definitions ----

  DefinitionList GetDefinitions(std::string_view name) const;
  /// The same, keeping what it works out in `memo` for the next call: for many calls
  /// on a document that does not change while they share the memo.
  DefinitionList GetDefinitions(std::string_view name, DefinitionMemo& memo) const;
  DefinitionList CollectDefinitions(const NameList& names, bool& conflict) const;
  /// The definitions each set makes itself (origin "Self" or "Ext"), in the order
  /// GetDefinitions gives them, for every set in one walk over the graph.
  std::unordered_map<std::string, DefinitionList> GetOwnDefinitionsOfAll() const;
  bool SetOwnDefinitions(const std::string& name, const DefinitionList& list);
  // Removes the set's own override of an inherited definition, so that the
  // inherited bounds apply again; items keep their values. False when the set
  // has no such override.
  bool DropOverride(const std::string& name, const std::string& propertyName);

  // ---- Configuration ----

  std::string GetConfigValue(std::string_view section, std::string_view key) const;
  /// True when the value reads "true" in any letter case.
  bool IsConfigOn(std::string_view section, std::string_view key) const;
  std::string GetConfigXml() const;
  /// Replaces `SysConfig` by the text's and saves; false when it does not parse.
  bool SetConfigXml(std::string_view xml);

  // ---- View set storage (the checked operations belong to the query engine) ----

  NameList GetViewSetNames() const;
  /// The stored expression; empty when no view set has that name.
  std::string GetViewSetExpression(std::string_view name) const;
  bool HasViewSet(std::string_view name) const;
  /// Appends a `ViewSet` element; no checks.
  bool AppendViewSet(const std::string& name, const std::string& expression);
  bool SetViewSetExpression(std::string_view name, const std::string& expression);
  bool SetViewSetName(std::string_view oldName, const std::string& newName);
  bool RemoveViewSet(std::string_view name);

 private:
  pugi::xml_node AllSets() const;
  pugi::xml_node EntitySets() const;
  pugi::xml_node FindViewSet(std::string_view name) const;
  void InvalidateIndex() { indexValid_ = false; }
  void RebuildIndex() const;
  bool ParseInto(pugi::xml_document& doc, const Bytes& utf16le) const;
  void AdoptDocument(pugi::xml_document& parsed);
  void WriteNameList(pugi::xml_node set, const char* element, const NameList& names);
  void AddDefinition(pugi::xml_node set, const PropertyDefinition& definition);
  void RemoveDefinition(const std::string& setName, const std::string& propertyName);
  void RemoveLostDefinitions(const std::string& setName, const DefinitionList& before, const DefinitionList& after);
  NameList DescendantsPreorder(const std::string& name) const;
  bool WouldMakeCycle(const std::string& name, const NameList& parents) const;
  /// Takes `parent` out of the child's parents (a store path extending it then
  /// extends the last remaining one); false when it is the only one.
  bool DetachFromParent(const std::string& child, const std::string& parent);
  void RemoveSetWithItems(const std::string& name, bool deleteFiles, bool keepIndex);

  pugi::xml_document doc_;
  RootItemIndex rootItems_;
  std::string dataFilePath_;
  mutable std::unordered_map<std::string, pugi::xml_node> setIndex_;
  mutable bool indexValid_ = false;
  bool unsavedUpgrade_ = false;
};

}  // namespace ovelin
