// Evaluating expressions on the sample library against one pass over the document.

#include <optional>
#include <string>
#include <vector>

#include "bench/floor_operations.h"
#include "bench/measurements.h"
#include "bench/stopwatch.h"
#include "query/expression_evaluator.h"

namespace ovelin {
namespace {

// The first set below the root (depth first, children in name order) for which
// `accept` holds; empty when none does.
template <typename Accept>
std::string FindSet(const CFileSetStore& store, const std::string& root, Accept accept) {
  std::vector<std::string> pending{root};
  while (!pending.empty()) {
    const std::string name = pending.back();
    pending.pop_back();
    if (name != root && accept(name)) return name;
    const NameList childs = store.GetChilds(name);
    pending.insert(pending.end(), childs.rbegin(), childs.rend());
  }
  return {};
}

const PropertyDefinition* DefinitionOfType(const DefinitionList& list, std::string_view type) {
  for (const auto& definition : list) {
    if (definition.type == type) return &definition;
  }
  return nullptr;
}

// An operand with a condition on the first property of `type` in force for
// some set below the root; the first set below the root without a condition
// when the library defines no property of that type.
std::string OperandWithCondition(const CFileSetStore& store, const std::string& root, std::string_view type,
                                 const std::string& bound) {
  std::string condition;
  const std::string set = FindSet(store, root, [&](const std::string& name) {
    const DefinitionList definitions = store.GetDefinitions(name);
    const PropertyDefinition* definition = DefinitionOfType(definitions, type);
    if (definition) condition = " " + definition->name + bound;
    return definition != nullptr;
  });
  if (!set.empty()) return set + condition;
  return FindSet(store, root, [](const std::string&) { return true; });
}

// An expression with five operators, one view set and two conditions, made of
// the library's own sets: (A+B+View)^(N Number>500+S String<"m")-C.
std::optional<std::string> MixedExpression(CFileSetStore& store) {
  const std::string root = store.GetRootName();
  NameList top = store.GetChilds(root);
  if (top.empty()) return std::nullopt;
  while (top.size() < 3) top.push_back(top.back());  // a tiny library repeats its sets
  const std::string numberOperand = OperandWithCondition(store, root, "NUMBER", ">500");
  const std::string stringOperand = OperandWithCondition(store, root, "STRING", "<\"m\"");
  if (!store.HasViewSet("BenchView")) store.AppendViewSet("BenchView", top[1] + "+" + top[2]);
  return "(" + top[0] + "+" + top[1] + "+BenchView)^(" + numberOperand + "+" + stringOperand + ")-" + top[2];
}

BenchRow MeasureExpression(BenchContext& context, const std::string& label,
                           std::optional<std::string> (*expressionOf)(CFileSetStore&)) {
  BenchRow row = NewRow(label, "one pass over File elements + sort + merge");
  CFileSetStore* store = context.LoadedStore();
  const pugi::xml_document* doc = context.FloorDocument();
  if (!store || !doc) {
    row.note = "the data file cannot be loaded";
    return row;
  }
  const std::optional<std::string> expression = expressionOf(*store);
  if (!expression) {
    row.note = "the library has no sets to build the expression from";
    return row;
  }
  std::vector<double> values;
  std::vector<double> floors;
  size_t count = 0;
  for (int i = 0; i < context.options.repeat; ++i) {
    {
      Stopwatch watch;
      const ItemList all = FloorReadAllItems(*doc);
      floors.push_back(watch.ElapsedMs());
    }
    Stopwatch watch;
    const auto result = EvaluateExpression(*store, *expression);
    values.push_back(watch.ElapsedMs());
    if (!result) {
      row.note = "the expression failed: " + *expression;
      return row;
    }
    count = result->items.size();
  }
  row.value = Median(values);
  row.floor = Median(floors);
  row.note = std::to_string(count) + " items";
  return row;
}

std::optional<std::string> RootExpression(CFileSetStore& store) { return store.GetRootName(); }

}  // namespace

BenchRow MeasureRootQuery(BenchContext& context) {
  return MeasureExpression(context, "EvaluateExpression(root)", RootExpression);
}

BenchRow MeasureMixedQuery(BenchContext& context) {
  return MeasureExpression(context, "expression: 5 ops, view, 2 conditions", MixedExpression);
}

}  // namespace ovelin
