#include "bench/sample_xml.h"

#include <string_view>

#include "store/file_set_store.h"
#include "store/name_list.h"
#include "store/xml_text.h"

namespace ovelin {
namespace {

const std::vector<std::string> kStringValues = {"Berlin", "上海",   "draft",     "final", "Ünterwegs",
                                                "A & B",  "<none>", "São Paulo", "урок",  "2019 Q3"};

void AppendElement(std::string& out, std::string_view name, std::string_view text) {
  out += '<';
  out += name;
  if (text.empty()) {
    out += "/>";
    return;
  }
  out += '>';
  AppendXmlEscaped(out, text);
  out += "</";
  out += name;
  out += '>';
}

void AppendAttribute(std::string& out, std::string_view name, std::string_view value) {
  out += ' ';
  out += name;
  out += "=\"";
  AppendXmlEscaped(out, value);
  out += '"';
}

std::string NumberValue(SampleRandom& random) {
  std::string value = std::to_string(random.Below(10000));
  if (random.Chance(0.1)) value += ".5";
  return value;
}

NameList NamesOf(const SampleGraph& graph, const std::vector<int>& indices) {
  NameList names;
  for (int index : indices) names.push_back(graph.sets[static_cast<size_t>(index)].name);
  SortNames(names);
  return names;
}

class SampleXmlWriter {
 public:
  SampleXmlWriter(const SampleGraph& graph, const std::vector<SampleItem>& items, SampleRandom& random,
                  SampleLibrarySummary& summary)
      : graph_(graph), items_(items), random_(random), summary_(summary), itemsOfSet_(graph.sets.size()) {
    for (size_t i = 0; i < items.size(); ++i) {
      itemsOfSet_[static_cast<size_t>(items[i].firstSet)].push_back(static_cast<int>(i));
      if (items[i].secondSet >= 0) itemsOfSet_[static_cast<size_t>(items[i].secondSet)].push_back(static_cast<int>(i));
    }
  }

  std::string Write() {
    out_.reserve(items_.size() * 420 + graph_.sets.size() * 300 + 1024);
    out_ += "<AllSets Version=\"1.50\"><EntitySets";
    AppendAttribute(out_, "RootName", graph_.sets.front().name);
    out_ += '>';
    for (size_t s = 0; s < graph_.sets.size(); ++s) WriteSet(s);
    out_ +=
        "</EntitySets><ViewSetRoot/><SysConfig>"
        "<KeywordsSearch SearchFileContent=\"true\" SearchFileName=\"true\" IncludeAll=\"true\""
        " UpLowSensitive=\"false\" WholeWordMatch=\"false\" SearchBelongSet=\"true\"/>"
        "<Pigeonhole DragDropPigAutoBelong=\"true\"/></SysConfig></AllSets>";
    return std::move(out_);
  }

 private:
  void WriteSet(size_t index) {
    const SampleSet& set = graph_.sets[index];
    out_ += "<FileSet>";
    AppendElement(out_, "Name", set.name);
    WriteStorePath(set);
    out_ += "<Elements>";
    for (int item : itemsOfSet_[index]) WriteFile(set, items_[static_cast<size_t>(item)]);
    out_ += "</Elements>";
    AppendElement(out_, "Childs", JoinNames(NamesOf(graph_, set.children)));
    AppendElement(out_, "Parents", JoinNames(NamesOf(graph_, set.parents)));
    out_ += "<ItemPropertys>";
    for (int definition : set.ownDefinitions) WriteDefinition(graph_.definitions[static_cast<size_t>(definition)]);
    out_ += "</ItemPropertys></FileSet>";
  }

  // The root set names its folder; every other set extends its first parent's.
  void WriteStorePath(const SampleSet& set) {
    const bool root = set.parents.empty();
    out_ += "<StorePath";
    AppendAttribute(out_, "Type", root ? "UsrDef" : "ExParent");
    out_ += '>';
    AppendXmlEscaped(out_, root ? set.folder : graph_.sets[static_cast<size_t>(set.parents.front())].name);
    out_ += "</StorePath>";
  }

  void WriteDefinition(const SampleDefinition& definition) {
    out_ += "<Property";
    AppendAttribute(out_, "Name", definition.name);
    AppendAttribute(out_, "Type", definition.number ? "NUMBER" : "STRING");
    AppendAttribute(out_, "Min", definition.number ? "0" : "");
    AppendAttribute(out_, "Max", definition.number ? "10000" : "");
    AppendAttribute(out_, "InitValue", definition.number ? "0" : "");
    out_ += "/>";
  }

  // One File element with a value for every property in force for the set.
  void WriteFile(const SampleSet& set, const SampleItem& item) {
    out_ += "<File>";
    AppendElement(out_, "Name", item.name);
    AppendElement(out_, "Path", item.path);
    AppendElement(out_, "Description", item.description);
    out_ += "<ItemPropertys>";
    for (int index : set.definitionsInForce) {
      const SampleDefinition& definition = graph_.definitions[static_cast<size_t>(index)];
      out_ += "<Property";
      AppendAttribute(out_, "Name", definition.name);
      AppendAttribute(out_, "Value", definition.number ? NumberValue(random_) : random_.Pick(kStringValues));
      out_ += "/>";
      ++summary_.propertyValues;
    }
    out_ += "</ItemPropertys></File>";
    ++summary_.fileElements;
  }

  const SampleGraph& graph_;
  const std::vector<SampleItem>& items_;
  SampleRandom& random_;
  SampleLibrarySummary& summary_;
  std::vector<std::vector<int>> itemsOfSet_;
  std::string out_;
};

}  // namespace

std::string BuildSampleXml(const SampleGraph& graph, const std::vector<SampleItem>& items, SampleRandom& random,
                           SampleLibrarySummary& summary) {
  return SampleXmlWriter(graph, items, random, summary).Write();
}

}  // namespace ovelin
