#pragma once
// Property definitions: what a set declares that its items carry.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ovelin {

struct PropertyDefinition {
  std::string name;
  std::string type;  // "NUMBER" or "STRING"
  std::string min;
  std::string max;
  std::string initValue;
  std::string origin;  // "Self", "Parent" or "Ext"

  /// The six ";"-joined fields name;type;min;max;init;origin.
  std::string ToString() const;
  /// Reads the ";"-joined fields; nothing when fewer than five are present.
  static std::optional<PropertyDefinition> Parse(std::string_view text);

  bool operator==(const PropertyDefinition&) const = default;
};

using DefinitionList = std::vector<PropertyDefinition>;

inline constexpr std::string_view kOriginSelf = "Self";
inline constexpr std::string_view kOriginParent = "Parent";
inline constexpr std::string_view kOriginExt = "Ext";

/// The definition of that name, or null.
const PropertyDefinition* FindDefinition(const DefinitionList& list, std::string_view name);

/// A, followed by every definition of B whose name A lacks; sets `conflict` when a
/// dropped definition of B has another type than A's of the same name.
DefinitionList MergeDefinitions(const DefinitionList& a, const DefinitionList& b, bool& conflict);

}  // namespace ovelin
