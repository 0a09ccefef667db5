#include "shell/settings/config_copy.h"
#include "store/config_keys.h"

#include <sstream>

namespace ovelin {

bool ConfigCopy::Load(std::string_view xml) {
  const pugi::xml_parse_result parsed =
      doc_.load_buffer(xml.data(), xml.size(), pugi::parse_default, pugi::encoding_utf8);
  if (parsed && std::string_view(doc_.document_element().name()) == config::kRootElement) return true;
  doc_.reset();
  doc_.append_child(config::kRootElement.data());
  return false;
}

std::string ConfigCopy::Get(std::string_view section, std::string_view key) const {
  const pugi::xml_node node = doc_.child(config::kRootElement.data()).child(std::string(section).c_str());
  return node.attribute(std::string(key).c_str()).value();
}

void ConfigCopy::Set(std::string_view section, std::string_view key, std::string_view value) {
  pugi::xml_node root = doc_.child(config::kRootElement.data());
  if (!root) root = doc_.append_child(config::kRootElement.data());
  const std::string sectionName(section);
  pugi::xml_node node = root.child(sectionName.c_str());
  if (!node) node = root.append_child(sectionName.c_str());
  const std::string keyName(key);
  pugi::xml_attribute attribute = node.attribute(keyName.c_str());
  if (!attribute) attribute = node.append_attribute(keyName.c_str());
  attribute.set_value(std::string(value).c_str());
}

std::string ConfigCopy::Xml() const {
  std::ostringstream out;
  doc_.save(out, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  return out.str();
}

}  // namespace ovelin
