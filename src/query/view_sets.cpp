#include "query/view_sets.h"

#include "query/evaluation_context.h"
#include "query/expression_evaluator.h"
#include "query/expression_faults.h"
#include "query/view_set_references.h"

namespace ovelin {
namespace {

CheckResult Saved(CFileSetStore& store, MessageId message) {
  if (store.Save()) return {};
  return {message, MessageId::SaveFailed, {store.GetDataFilePath()}};
}

CheckResult ViewSetExists(const CFileSetStore& store, const std::string& name, MessageId message) {
  if (store.HasViewSet(name)) return {};
  return {message, MessageId::UnknownViewSet, {name}};
}

}  // namespace

CheckResult CheckViewSetName(const CFileSetStore& store, const std::string& name, MessageId message) {
  if (IsBlankName(name)) return {message, MessageId::NameEmpty};
  if (const size_t bad = name.find_first_of(kIllegalNameCharacters); bad != std::string::npos) {
    return {message, MessageId::NameIllegal, {name, name.substr(bad, 1)}};
  }
  const NameUse use = store.IsNameUsed(name);
  if (use.used) return {message, use.isViewSet ? MessageId::NameUsedByViewSet : MessageId::NameUsedBySet, {name}};
  return {};
}

NameList ListViewSetNames(const CFileSetStore& store) { return store.GetViewSetNames(); }

std::string GetViewSetExpression(const CFileSetStore& store, std::string_view name) {
  return store.GetViewSetExpression(name);
}

NameUse ViewSetNameExists(const CFileSetStore& store, std::string_view name) { return store.IsNameUsed(name); }

CheckResult AddViewSet(CFileSetStore& store, const std::string& name, const std::string& expression) {
  constexpr MessageId kMessage = MessageId::AddViewSetFailed;
  if (CheckResult named = CheckViewSetName(store, name, kMessage); !named) return named;
  EvaluationContext context(store);
  if (!EvaluateExpressionWith(context, expression, nullptr)) return FaultResult(context.Fault(), kMessage);
  if (!store.AppendViewSet(name, expression)) return {kMessage, MessageId::None};
  return Saved(store, kMessage);
}

CheckResult UpdateViewSetExpression(CFileSetStore& store, const std::string& name, const std::string& expression) {
  constexpr MessageId kMessage = MessageId::ViewExpressionError;
  if (CheckResult exists = ViewSetExists(store, name, kMessage); !exists) return exists;
  EvaluationContext context(store);
  context.OverrideViewSet(name, expression);
  if (!EvaluateExpressionWith(context, expression, nullptr)) return FaultResult(context.Fault(), kMessage);
  store.SetViewSetExpression(name, expression);
  return Saved(store, kMessage);
}

CheckResult RenameViewSet(CFileSetStore& store, const std::string& oldName, const std::string& newName) {
  constexpr MessageId kMessage = MessageId::ViewNameError;
  if (newName.empty()) return {kMessage, MessageId::NameEmpty};
  if (CheckResult exists = ViewSetExists(store, oldName, kMessage); !exists) return exists;
  if (newName == oldName) return {};
  if (CheckResult named = CheckViewSetName(store, newName, kMessage); !named) return named;
  store.SetViewSetName(oldName, newName);
  RenameReferences(store, oldName, newName);
  return Saved(store, kMessage);
}

CheckResult DeleteViewSet(CFileSetStore& store, const std::string& name) {
  constexpr MessageId kMessage = MessageId::DeleteViewSetFailed;
  if (CheckResult exists = ViewSetExists(store, name, kMessage); !exists) return exists;
  store.RemoveViewSet(name);
  return Saved(store, kMessage);
}

std::string QuickViewSetName(std::string_view setName) {
  return std::string(setName) + std::string(kQuickViewSetSuffix);
}

bool AddQuickViewSet(CFileSetStore& store, const std::string& setName) {
  return static_cast<bool>(AddViewSet(store, QuickViewSetName(setName), setName));
}

}  // namespace ovelin
