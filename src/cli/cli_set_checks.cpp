#include "cli/cli_set_checks.h"

#include "cli/cli_input.h"
#include "cli/cli_output.h"
#include "store/set_checks.h"

namespace ovelin::cli {

int CheckNewSetName(const CFileSetStore& store, const std::string& name, MessageId usedMessage) {
  return Report(ovelin::CheckNewSetName(store, name, usedMessage));
}

int CheckSetExists(const CFileSetStore& store, std::string_view name) {
  return Report(ovelin::CheckSetExists(store, std::string(name)));
}

int CheckParentsExist(const CFileSetStore& store, const NameList& parents) {
  return Report(ovelin::CheckParentsExist(store, parents));
}

int CheckNoCycle(const CFileSetStore& store, const std::string& name, const NameList& parents) {
  return Report(ovelin::CheckNoCycle(store, name, parents));
}

int ParseDefinitions(const std::vector<std::string>& texts, DefinitionList& definitions) {
  const CheckResult result = ovelin::ParseDefinitions(texts, definitions);
  const bool malformed = result.Message() == MessageId::BadDefinition ||
                         result.Message() == MessageId::BadDefinitionType ||
                         result.Message() == MessageId::BadDefinitionOrigin;
  return Report(result, malformed ? kExitUsage : kExitFailed);
}

int CheckParentConflicts(const CFileSetStore& store, const NameList& parents) {
  return Report(ovelin::CheckParentConflicts(store, parents));
}

int CheckOwnConflicts(const CFileSetStore& store, const NameList& parents, const DefinitionList& own) {
  return Report(ovelin::CheckOwnConflicts(store, parents, own));
}

int CheckNoTypeChange(const CFileSetStore& store, const std::string& name, const DefinitionList& wanted) {
  return Report(ovelin::CheckNoTypeChange(store, name, wanted));
}

int CheckStorePathOptions(const std::vector<std::string>& paths, const std::vector<std::string>& extends,
                          bool required) {
  if (paths.size() + extends.size() > 1) return Fail(kExitUsage, "give one --path DIR or one --extend P");
  if (paths.empty() && extends.empty() && required) return Fail(kExitUsage, "give --path DIR or --extend P");
  return kExitOk;
}

int ChooseStorePath(const std::vector<std::string>& paths, const std::vector<std::string>& extends,
                    const NameList& parents, StorePath& path) {
  path.found = true;
  if (!paths.empty()) {
    path.kind = StorePathKind::UsrDef;
    path.text = AbsolutePath(paths.front());
    return kExitOk;
  }
  path.kind = StorePathKind::ExParent;
  path.text = extends.empty() ? std::string() : extends.front();
  return Report(CheckExtendedParent(path, parents));
}

}  // namespace ovelin::cli
