#include "query/condition_check.h"

#include <cmath>

#include "store/text_order.h"
#include "store/xml_text.h"

namespace ovelin {
namespace {

bool LowerPasses(const Condition& condition, std::string_view value) {
  if (condition.lower.empty()) return true;
  const std::string_view bound = std::string_view(condition.lower).substr(1);
  const int cmp = CompareValues(condition.type, value, bound);
  switch (condition.lower[0]) {
    case kInclusiveBound: return cmp >= 0;
    case kExclusiveBound: return cmp > 0;
    case kNotEqualBound: return cmp != 0;
    default: return true;
  }
}

bool UpperPasses(const Condition& condition, std::string_view value) {
  if (condition.upper.empty()) return true;
  const std::string_view bound = std::string_view(condition.upper).substr(1);
  const int cmp = CompareValues(condition.type, value, bound);
  switch (condition.upper[0]) {
    case kInclusiveBound: return cmp <= 0;
    case kExclusiveBound: return cmp < 0;
    case kNotEqualBound: return cmp != 0;
    default: return true;
  }
}

}  // namespace

double ConditionNumber(std::string_view text) {
  const double value = LeadingNumber(text);
  // NaN would make the order partial, and the containment test relies on a total order.
  return std::isnan(value) ? 0 : value;
}

int CompareValues(std::string_view type, std::string_view a, std::string_view b) {
  if (type == kTypeNumber) {
    const double x = ConditionNumber(a);
    const double y = ConditionNumber(b);
    return x < y ? -1 : (x > y ? 1 : 0);
  }
  if (type == kTypeString) return CompareUtf16(a, b);
  return 0;
}

bool ValuePasses(const Condition& condition, std::string_view value) {
  return LowerPasses(condition, value) && UpperPasses(condition, value);
}

bool ItemPasses(const CFileItem& item, const Condition& condition) {
  return ValuePasses(condition, item.GetPropertyValue(condition.property));
}

}  // namespace ovelin
