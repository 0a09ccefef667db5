#include "query/view_sets.h"

#include "query/evaluation_context.h"
#include "query/expression_evaluator.h"
#include "query/view_set_references.h"

namespace ovelin {
namespace {

bool IsFreeName(const CFileSetStore& store, const std::string& name) {
  return IsValidName(name) && !store.IsNameUsed(name).used;
}

}  // namespace

NameList ListViewSetNames(const CFileSetStore& store) { return store.GetViewSetNames(); }

std::string GetViewSetExpression(const CFileSetStore& store, std::string_view name) {
  return store.GetViewSetExpression(name);
}

NameUse ViewSetNameExists(const CFileSetStore& store, std::string_view name) { return store.IsNameUsed(name); }

bool AddViewSet(CFileSetStore& store, const std::string& name, const std::string& expression) {
  if (!IsFreeName(store, name)) return false;
  if (!EvaluateExpression(store, expression)) return false;
  if (!store.AppendViewSet(name, expression)) return false;
  return store.Save();
}

bool UpdateViewSetExpression(CFileSetStore& store, const std::string& name, const std::string& expression) {
  if (!store.HasViewSet(name)) return false;
  EvaluationContext context(store);
  context.OverrideViewSet(name, expression);
  if (!EvaluateExpressionWith(context, expression, nullptr)) return false;
  if (!store.SetViewSetExpression(name, expression)) return false;
  return store.Save();
}

bool RenameViewSet(CFileSetStore& store, const std::string& oldName, const std::string& newName) {
  if (newName.empty()) return false;
  if (newName == oldName) return store.HasViewSet(oldName);
  if (!IsFreeName(store, newName)) return false;
  if (!store.SetViewSetName(oldName, newName)) return false;
  RenameReferences(store, oldName, newName);
  return store.Save();
}

bool DeleteViewSet(CFileSetStore& store, const std::string& name) {
  if (!store.RemoveViewSet(name)) return false;
  return store.Save();
}

std::string QuickViewSetName(std::string_view setName) {
  return std::string(setName) + std::string(kQuickViewSetSuffix);
}

bool AddQuickViewSet(CFileSetStore& store, const std::string& setName) {
  return AddViewSet(store, QuickViewSetName(setName), setName);
}

}  // namespace ovelin
