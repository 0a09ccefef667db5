#include "query/evaluation_context.h"

#include <algorithm>

#include "query/expression_limits.h"

namespace ovelin {

void EvaluationContext::OverrideViewSet(std::string name, std::string expression) {
  override_.emplace(std::move(name), std::move(expression));
}

std::optional<std::string> EvaluationContext::ViewSetExpression(const std::string& name) const {
  if (override_ && override_->first == name) return override_->second;
  if (!store_.HasViewSet(name)) return std::nullopt;
  return store_.GetViewSetExpression(name);
}

bool EvaluationContext::AdmitsText(std::string_view expression) {
  if (expression.empty()) {
    NoteFault({MessageId::ExpressionEmpty});
    return false;
  }
  if (expression.size() > kMaxExpressionLength) {
    NoteFault({MessageId::ExpressionTooLarge});
    return false;
  }
  return true;
}

bool EvaluationContext::EnterViewSet(const std::string& name) {
  if (openViewSets_.size() >= kMaxViewSetNesting) {
    NoteFault({MessageId::ExpressionTooLarge});
    return false;
  }
  if (std::find(openViewSets_.begin(), openViewSets_.end(), name) != openViewSets_.end()) {
    NoteFault({MessageId::ViewSetCycle, 0, {name}});
    return false;
  }
  openViewSets_.push_back(name);
  return true;
}

void EvaluationContext::LeaveViewSet() {
  if (!openViewSets_.empty()) openViewSets_.pop_back();
}

void EvaluationContext::NoteFault(ExpressionFault fault) {
  if (!fault_) fault_ = std::move(fault);
}

bool EvaluationContext::CountOperand() {
  if (++operands_ > kMaxOperandEvaluations) exhausted_ = true;
  return !exhausted_;
}

bool EvaluationContext::ChargeText(size_t bytes) {
  textBytes_ += bytes;
  if (textBytes_ > kMaxTreeTextBytes) exhausted_ = true;
  return !exhausted_;
}

bool EvaluationContext::IsDescendant(const std::string& a, const std::string& b) {
  auto key = std::make_pair(a, b);
  auto found = descendants_.find(key);
  if (found != descendants_.end()) return found->second;
  const bool result = store_.IsDescendant(a, b);
  descendants_.emplace(std::move(key), result);
  return result;
}

}  // namespace ovelin
