#include "cli/cli_set_checks.h"

#include "base/messages.h"
#include "cli/cli_input.h"
#include "cli/cli_output.h"

namespace ovelin::cli {

int ReportUnder(MessageId message, const std::string& name, const CheckResult& result, int code) {
  if (result || result.Reason() != MessageId::None) return Report(result, code);
  return Fail(code, MessageText(message, {name}), result.MessageText(), result.Code());
}

int ReadDefinitions(const std::vector<std::string>& texts, DefinitionList& definitions, MessageId message,
                    const std::string& name) {
  const CheckResult result = ParseDefinitions(texts, definitions);
  const bool malformed = result.Message() == MessageId::BadDefinition ||
                         result.Message() == MessageId::BadDefinitionType ||
                         result.Message() == MessageId::BadDefinitionOrigin;
  return malformed ? ReportUnder(message, name, result, kExitUsage) : Report(result);
}

int CheckStorePathOptions(const std::vector<std::string>& paths, const std::vector<std::string>& extends,
                          bool required) {
  if (paths.size() + extends.size() > 1) return Report({MessageId::StorePathOptionTwice, MessageId::None}, kExitUsage);
  if (paths.empty() && extends.empty() && required)
    return Report({MessageId::StorePathOptionMissing, MessageId::None}, kExitUsage);
  return kExitOk;
}

int ChooseStorePath(const std::vector<std::string>& paths, const std::vector<std::string>& extends,
                    const NameList& parents, StorePath& path, MessageId message, const std::string& name) {
  path.found = true;
  if (!paths.empty()) {
    path.kind = StorePathKind::UsrDef;
    path.text = AbsolutePath(paths.front());
    return kExitOk;
  }
  path.kind = StorePathKind::ExParent;
  path.text = extends.empty() ? std::string() : extends.front();
  return ReportUnder(message, name, CheckExtendedParent(path, parents));
}

}  // namespace ovelin::cli
