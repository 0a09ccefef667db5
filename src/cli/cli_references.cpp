#include "cli/cli_references.h"

#include "base/messages.h"
#include "cli/cli_output.h"
#include "query/view_set_references.h"

namespace ovelin::cli {

void WarnAboutReferences(const CFileSetStore& store, const std::string& name) {
  const NameList referring = ViewSetsReferring(store, name);
  if (referring.empty()) return;
  Warn(MessageText(MessageId::ViewSetsStillRefer, {name, JoinNames(referring)}));
}

}  // namespace ovelin::cli
