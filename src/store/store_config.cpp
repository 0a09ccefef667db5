// The configuration sections under `SysConfig`.
#include <algorithm>
#include <cctype>

#include "store/config_keys.h"
#include "store/file_set_store.h"
#include "store/xml_text.h"

namespace ovelin {

std::string CFileSetStore::GetConfigValue(std::string_view section, std::string_view key) const {
  if (section.empty() || key.empty()) return {};
  const std::string sectionName(section);
  const std::string keyName(key);
  return AllSets().child(config::kRootElement.data()).child(sectionName.c_str()).attribute(keyName.c_str()).value();
}

bool CFileSetStore::IsConfigOn(std::string_view section, std::string_view key) const {
  std::string value = GetConfigValue(section, key);
  std::transform(value.begin(), value.end(), value.begin(), [](unsigned char c) { return std::tolower(c); });
  return value == "true";
}

std::string CFileSetStore::GetConfigXml() const {
  pugi::xml_node settings = AllSets().child(config::kRootElement.data());
  if (!settings) return {};
  struct Writer : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
  } writer;
  settings.print(writer, "", pugi::format_raw);
  return writer.text;
}

bool CFileSetStore::SetConfigXml(std::string_view xml) {
  pugi::xml_document given;
  if (!given.load_buffer(xml.data(), xml.size(), kDocumentParseOptions, pugi::encoding_utf8)) return false;
  // Below AllSets the configuration must leave the document within the nesting it may have.
  if (NestingDepth(given) + 1 > kMaxDocumentDepth) return false;
  pugi::xml_node allSets = AllSets();
  if (!allSets) return false;
  if (pugi::xml_node old = allSets.child(config::kRootElement.data())) allSets.remove_child(old);
  pugi::xml_node settings = given.child(config::kRootElement.data());
  if (settings) allSets.append_copy(settings);
  return Save();
}

}  // namespace ovelin
