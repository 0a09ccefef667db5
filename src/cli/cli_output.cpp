#include "cli/cli_output.h"

#include <iostream>

namespace ovelin::cli {

void PrintLine(std::string_view text) { std::cout << text << '\n'; }

void PrintField(std::string_view key, std::string_view value) { std::cout << key << '\t' << value << '\n'; }

void PrintText(std::string_view text) {
  std::cout << text;
  if (text.empty() || text.back() != '\n') std::cout << '\n';
}

void PrintJson(const Json& document) {
  // Replace invalid UTF-8 rather than throwing: names come from user data.
  std::cout << document.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

namespace {
bool jsonFailures = false;
}  // namespace

void SetJsonFailures(bool on) { jsonFailures = on; }

int Fail(int code, std::string_view message, std::string_view reason, std::string_view errorCode) {
  if (jsonFailures) {
    const Json failure = {{"error", message}, {"reason", reason}, {"code", errorCode}};
    std::cerr << failure.dump(-1, ' ', false, Json::error_handler_t::replace) << '\n';
    return code;
  }
  std::cerr << message << '\n';
  if (!reason.empty()) std::cerr << reason << '\n';
  return code;
}

int Report(const CheckResult& result, int code) {
  if (result) return kExitOk;
  return Fail(code, result.MessageText(), result.ReasonText(), result.Code());
}

void Warn(std::string_view message) { std::cerr << message << '\n'; }

Json NamesToJson(const NameList& names) {
  Json array = Json::array();
  for (const auto& name : names) array.push_back(name);
  return array;
}

Json PropertiesToJson(const CFileItem& item) {
  Json properties = Json::object();
  for (const auto& entry : item.GetPropertyValues()) {
    const std::string name(PropertyEntryName(entry));
    if (!properties.contains(name)) properties[name] = item.GetPropertyValue(name);
  }
  return properties;
}

}  // namespace ovelin::cli
