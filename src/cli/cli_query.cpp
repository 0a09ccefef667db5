// The query command: evaluates an expression, narrows and ranks the result by
// keywords when given, and prints the items it selects.

#include <algorithm>

#include "cli/cli_commands.h"
#include "cli/cli_output.h"
#include "query/expression_evaluator.h"
#include "query/keyword_search.h"

namespace ovelin::cli {
namespace {

Json StringsToJson(const std::vector<std::string>& texts) {
  Json array = Json::array();
  for (const auto& text : texts) array.push_back(text);
  return array;
}

// The rank travels in its own field, not among the item's property values.
Json ItemJson(const CFileItem& item) {
  Json properties = PropertiesToJson(item);
  properties.erase(std::string(kKeywordsRankProperty));
  return Json{{"name", item.GetName()},
              {"path", item.GetPath()},
              {"description", item.GetDescription()},
              {"sets", NamesToJson(item.GetOwningSets())},
              {"properties", std::move(properties)},
              {"rank", KeywordRankOf(item)}};
}

// The items highest rank first; equal ranks (all of them without keywords) keep
// the result's path order.
std::vector<const CFileItem*> RankOrder(const ItemList& items) {
  std::vector<const CFileItem*> order;
  order.reserve(items.size());
  for (const auto& item : items) order.push_back(&item);
  std::stable_sort(order.begin(), order.end(),
                   [](const CFileItem* a, const CFileItem* b) { return KeywordRankOf(*a) > KeywordRankOf(*b); });
  return order;
}

void PrintResult(const EvaluationResult& result, bool json) {
  const std::vector<const CFileItem*> order = RankOrder(result.items);
  if (json) {
    Json items = Json::array();
    for (const CFileItem* item : order) items.push_back(ItemJson(*item));
    PrintJson(Json{{"expression", result.normalized},
                   {"positive_leaves", StringsToJson(result.positiveLeaves)},
                   {"grouping", StringsToJson(result.grouping)},
                   {"items", std::move(items)}});
    return;
  }
  PrintLine(result.normalized);
  for (const CFileItem* item : order) {
    PrintLine(item->GetPath() + "\t" + item->GetName() + "\t" + JoinNames(item->GetOwningSets()) + "\t" +
              std::to_string(KeywordRankOf(*item)));
  }
}

// Keywords alone search every item: the expression becomes the root set's name.
std::string ExpressionToRun(const CFileSetStore& store, const std::string& expression, const std::string& keywords) {
  if (!expression.empty() || SplitKeywords(keywords).empty()) return expression;
  return store.GetRootName();
}

int Query(CliContext& context, const ParsedArgs& args) {
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  const CFileSetStore& store = context.Store();
  const std::string keywords = args.Last("--keywords").value_or("");
  CheckResult why;
  auto result = EvaluateExpression(store, ExpressionToRun(store, args.positionals[0], keywords), why);
  if (!result) return Report(why);
  FilterByKeywords(store, keywords, result->items, QueryPanelKeywordFlags(store));
  PrintResult(*result, context.WantsJson());
  return kExitOk;
}

}  // namespace

std::vector<Command> QueryCommands() {
  return {
      {"query",
       "",
       "EXPR [--keywords TEXT]",
       "Evaluates an expression, narrowed by keywords; prints the normalised text, then one line per item.",
       {{"--keywords", true}},
       1,
       1,
       Query,
       "Item lines: path<TAB>name<TAB>sets<TAB>rank, in path order. With --keywords, only the items whose name,\n"
       "description, set names or (when KeywordsSearch/SearchFileContent is on) file content contain the\n"
       "keywords remain (all keywords when KeywordsSearch/IncludeAll is on), highest rank first, ties in\n"
       "path order. An empty EXPR with keywords searches every item under the root set."},
  };
}

}  // namespace ovelin::cli
