// Bringing older documents up to the program's version, and the starter document.
#include "store/config_keys.h"
#include "store/file_set_store.h"
#include "store/file_url.h"
#include "store/value_order.h"
#include "store/xml_text.h"

namespace ovelin {
namespace {

// The item paths of documents before version 1.50 were plain file paths.
std::string OldPathToFileUrl(const std::string& path) {
  if (!path.empty() && path.front() == '/') return LocalPathToFileUrl(path);
  return "file:///" + ReplaceAll(ReplaceAll(path, "\\", "/"), " ", "%20");
}

pugi::xml_node ChildOrAppend(pugi::xml_node parent, const char* name) {
  pugi::xml_node child = parent.child(name);
  return child ? child : parent.append_child(name);
}

void AddKeywordsSearchDefaults(pugi::xml_node allSets) {
  pugi::xml_node settings = allSets.append_child(config::kRootElement.data());
  pugi::xml_node search = settings.append_child(config::kKeywordsSearch.data());
  SetAttribute(search, config::kSearchFileContent.data(), "true");
  SetAttribute(search, config::kSearchFileName.data(), "true");
  SetAttribute(search, config::kIncludeAll.data(), "true");
  SetAttribute(search, config::kUpLowSensitive.data(), "false");
  SetAttribute(search, config::kWholeWordMatch.data(), "false");
}

// A document of version 1.2 without configuration gets one instead of failing.
void AddPigeonholeDefaults(pugi::xml_node allSets) {
  pugi::xml_node settings = ChildOrAppend(allSets, config::kRootElement.data());
  SetAttribute(settings.append_child(config::kPigeonhole.data()), config::kDragDropPigAutoBelong.data(), "true");
  SetAttribute(ChildOrAppend(settings, config::kKeywordsSearch.data()), config::kSearchBelongSet.data(), "true");
}

void ConvertItemPaths(pugi::xml_node entitySets) {
  for (pugi::xml_node set : entitySets.children("FileSet")) {
    for (pugi::xml_node elements : set.children("Elements")) {
      for (pugi::xml_node file : elements.children("File")) {
        if (pugi::xml_node path = file.child("Path")) SetNodeText(path, OldPathToFileUrl(NodeText(path)));
        file.append_child("Description");
      }
    }
  }
}

}  // namespace

bool CFileSetStore::Upgrade() {
  pugi::xml_node allSets = AllSets();
  if (!allSets) return false;
  const double version = LeadingNumber(GetVersion());
  if (version >= LeadingNumber(kProgramVersion)) return false;
  const int firstStep = version == LeadingNumber("1.02")  ? 1
                        : version == LeadingNumber("1.2") ? 2
                        : version == LeadingNumber("1.3") ? 3
                                                          : 0;
  if (firstStep == 0) return false;
  if (firstStep <= 1) AddKeywordsSearchDefaults(allSets);
  if (firstStep <= 2) AddPigeonholeDefaults(allSets);
  ConvertItemPaths(EntitySets());
  SetAttribute(allSets, "Version", kProgramVersion);
  InvalidateIndex();
  return true;
}

void CFileSetStore::CreateStarterDocument() {
  pugi::xml_document starter;
  pugi::xml_node allSets = starter.append_child("AllSets");
  SetAttribute(allSets, "Version", kProgramVersion);
  pugi::xml_node entitySets = allSets.append_child("EntitySets");
  SetAttribute(entitySets, "RootName", kStarterRootName);
  pugi::xml_node root = entitySets.append_child("FileSet");
  AppendTextElement(root, "Name", kStarterRootName);
  SetAttribute(AppendTextElement(root, "StorePath", ""), "Type", "UsrDef");
  for (const char* name : {"Elements", "Childs", "Parents", "ItemPropertys"}) root.append_child(name);
  allSets.append_child("ViewSetRoot");
  AddKeywordsSearchDefaults(allSets);
  AddPigeonholeDefaults(allSets);
  doc_ = std::move(starter);
  InvalidateIndex();
  RebuildRootItems();
}

}  // namespace ovelin
