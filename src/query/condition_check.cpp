#include "query/condition_check.h"

namespace ovelin {
namespace {

bool LowerPasses(const Condition& condition, std::string_view value) {
  if (condition.lower.empty()) return true;
  const std::string_view bound = std::string_view(condition.lower).substr(1);
  const int cmp = CompareValues(condition.type, value, bound);
  switch (condition.lower[0]) {
    case kInclusiveBound:
      return cmp >= 0;
    case kExclusiveBound:
      return cmp > 0;
    case kNotEqualBound:
      return cmp != 0;
    default:
      return true;
  }
}

bool UpperPasses(const Condition& condition, std::string_view value) {
  if (condition.upper.empty()) return true;
  const std::string_view bound = std::string_view(condition.upper).substr(1);
  const int cmp = CompareValues(condition.type, value, bound);
  switch (condition.upper[0]) {
    case kInclusiveBound:
      return cmp <= 0;
    case kExclusiveBound:
      return cmp < 0;
    case kNotEqualBound:
      return cmp != 0;
    default:
      return true;
  }
}

}  // namespace

bool ValuePasses(const Condition& condition, std::string_view value) {
  return LowerPasses(condition, value) && UpperPasses(condition, value);
}

bool ItemPasses(const CFileItem& item, const Condition& condition) {
  return ValuePasses(condition, item.GetPropertyValue(condition.property));
}

}  // namespace ovelin
