#include "base/interface_language.h"

#include <cstdlib>

namespace ovelin {

Language LanguageOfLocale(std::string_view locale) {
  locale = locale.substr(0, locale.find(':'));
  if (locale.empty() || locale == "C" || locale.starts_with("C.") || locale == "POSIX") return Language::Chinese;
  return locale.starts_with("zh") ? Language::Chinese : Language::English;
}

Language InterfaceLanguage() {
  if (const char* chosen = std::getenv("OVELIN_LANG"); chosen && *chosen) {
    return std::string_view(chosen).starts_with("en") ? Language::English : Language::Chinese;
  }
  for (const char* variable : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return LanguageOfLocale(value);
  }
  return Language::Chinese;
}

}  // namespace ovelin
