// The query command: evaluates an expression and prints the items it selects.

#include "cli/cli_commands.h"
#include "cli/cli_messages.h"
#include "cli/cli_output.h"
#include "query/expression_evaluator.h"

namespace ovelin::cli {
namespace {

Json StringsToJson(const std::vector<std::string>& texts) {
  Json array = Json::array();
  for (const auto& text : texts) array.push_back(text);
  return array;
}

Json ItemJson(const CFileItem& item, int rank) {
  return Json{{"name", item.GetName()},
              {"path", item.GetPath()},
              {"description", item.GetDescription()},
              {"sets", NamesToJson(item.GetOwningSets())},
              {"properties", PropertiesToJson(item)},
              {"rank", rank}};
}

void PrintResult(const EvaluationResult& result, bool json) {
  if (json) {
    Json items = Json::array();
    for (const auto& item : result.items) items.push_back(ItemJson(item, 0));
    PrintJson(Json{{"expression", result.normalized},
                   {"positive_leaves", StringsToJson(result.positiveLeaves)},
                   {"grouping", StringsToJson(result.grouping)},
                   {"items", std::move(items)}});
    return;
  }
  PrintLine(result.normalized);
  for (const auto& item : result.items) {
    PrintLine(item.GetPath() + "\t" + item.GetName() + "\t" + JoinNames(item.GetOwningSets()) + "\t0");
  }
}

int Query(CliContext& context, const ParsedArgs& args) {
  if (int rc = context.OpenForReading(); rc != kExitOk) return rc;
  const auto result = EvaluateExpression(context.store(), args.positionals[0]);
  if (!result) return Fail(kExitFailed, kMsgExpressionError);
  PrintResult(*result, context.json());
  return kExitOk;
}

}  // namespace

std::vector<Command> QueryCommands() {
  return {
      {"query", "", "EXPR", "Evaluates an expression; prints the normalised text, then one line per item.", {}, 1, 1,
       Query, "Item lines: path<TAB>name<TAB>sets<TAB>rank, in path order."},
  };
}

}  // namespace ovelin::cli
