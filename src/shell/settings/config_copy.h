#pragma once
// The settings dialog's working copy of the configuration: a separate XML
// document whose root is `SysConfig`, one element per section and one
// attribute per key.

#include <pugixml.hpp>

#include <string>
#include <string_view>

namespace ovelin {

class ConfigCopy {
 public:
  /// Parses the configuration text; a text that does not parse or has another
  /// root leaves an empty `SysConfig` and returns false.
  bool Load(std::string_view xml);
  /// "/SysConfig/<section>/@<key>"; empty when missing.
  std::string Get(std::string_view section, std::string_view key) const;
  /// Sets the value, creating the section element or the attribute when missing.
  void Set(std::string_view section, std::string_view key, std::string_view value);
  /// The working copy as XML text.
  std::string Xml() const;

 private:
  pugi::xml_document doc_;
};

}  // namespace ovelin
