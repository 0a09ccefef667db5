#include "query/query_test_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "store/xml_text.h"

namespace ovelin::test {
namespace {

std::string Escape(const std::string& text) {
  std::string out;
  AppendXmlEscaped(out, text);
  return out;
}

std::string Join(const std::vector<std::string>& names) {
  std::string text;
  for (const auto& name : names) text += (text.empty() ? "" : ";") + name;
  return text;
}

std::string ItemXml(const ItemSpec& item) {
  std::string xml =
      "<File><Name>" + Escape(item.name) + "</Name><Path>" + Escape(item.path) + "</Path><Description/><ItemPropertys>";
  for (const auto& [property, value] : item.values) {
    xml += "<Property Name=\"" + Escape(property) + "\" Value=\"" + Escape(value) + "\"/>";
  }
  return xml + "</ItemPropertys></File>";
}

std::string SetXml(const SetSpec& set, const std::vector<std::string>& childs) {
  std::string xml = "<FileSet><Name>" + Escape(set.name) + "</Name><StorePath Type=\"UsrDef\">/tmp/" +
                    Escape(set.name) + "</StorePath><Elements>";
  for (const auto& item : set.items) xml += ItemXml(item);
  xml += "</Elements><Childs>" + Escape(Join(childs)) + "</Childs><Parents>" + Escape(Join(set.parents)) +
         "</Parents><ItemPropertys>";
  for (const auto& [property, type] : set.definitions) {
    xml += "<Property Name=\"" + Escape(property) + "\" Type=\"" + type + "\" Min=\"\" Max=\"\" InitValue=\"\"/>";
  }
  return xml + "</ItemPropertys></FileSet>";
}

}  // namespace

std::string BuildLibraryXml(const std::vector<SetSpec>& sets, const std::vector<ViewSpec>& views) {
  std::map<std::string, std::vector<std::string>> childs;
  for (const auto& set : sets) {
    for (const auto& parent : set.parents) childs[parent].push_back(set.name);
  }
  std::string xml = "<AllSets Version=\"1.50\"><EntitySets RootName=\"" + Escape(sets.front().name) + "\">";
  for (const auto& set : sets) {
    auto own = childs[set.name];
    std::sort(own.begin(), own.end());
    xml += SetXml(set, own);
  }
  xml += "</EntitySets><ViewSetRoot>";
  for (const auto& view : views) {
    xml += "<ViewSet Name=\"" + Escape(view.name) + "\" Expression=\"" + Escape(view.expression) + "\"/>";
  }
  return xml + "</ViewSetRoot><SysConfig/></AllSets>";
}

std::unique_ptr<CFileSetStore> MakeStore(const std::vector<SetSpec>& sets, const std::vector<ViewSpec>& views) {
  auto store = std::make_unique<CFileSetStore>();
  EXPECT_TRUE(store->LoadXml(BuildLibraryXml(sets, views)));
  return store;
}

std::unique_ptr<CFileSetStore> MakeSampleStore(const std::vector<ViewSpec>& extraViews) {
  const std::vector<SetSpec> sets = {
      {"R", {}, {}, {}},
      {"A",
       {"R"},
       {{"a1", "file:///a/1", {{"Size", "2"}, {"Author", "Bob"}}},
        {"a2", "file:///a/2", {{"Size", "5"}, {"Author", "Mia"}}},
        {"a3", "file:///a/3", {{"Size", "7"}}},
        {"a4", "file:///a/4", {}},
        {"shared", "file:///shared", {{"Size", "3"}, {"Author", "Zed"}}}},
       {{"Size", "NUMBER"}, {"Author", "STRING"}}},
      {"B", {"R"}, {{"b1", "file:///b/1", {}}, {"shared", "file:///shared", {}}}, {}},
      {"C", {"R"}, {{"c1", "file:///c/1", {}}, {"Big", "file:///B", {}}}, {}},
      {"P", {"R"}, {{"p1", "file:///p/1", {}}}, {}},
      {"Pc", {"P"}, {{"pc1", "file:///p/c/1", {}}, {"shared", "file:///shared", {}}}, {}},
      {"Pcc", {"Pc"}, {{"pcc1", "file:///p/c/c/1", {}}}, {}},
  };
  std::vector<ViewSpec> views = {{"V", "A+B"}, {"W", "A"}, {"E", "#空集#"}, {"Cond", "A Size>5"}};
  views.insert(views.end(), extraViews.begin(), extraViews.end());
  return MakeStore(sets, views);
}

std::vector<std::string> Paths(const ItemList& items) {
  std::vector<std::string> paths;
  for (const auto& item : items) paths.push_back(item.GetPath());
  return paths;
}

}  // namespace ovelin::test
