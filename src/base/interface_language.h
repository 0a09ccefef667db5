#pragma once
// The language of the texts a user reads: Chinese (the program's own texts) or
// English.

#include <string_view>

namespace ovelin {

enum class Language { Chinese, English };

/// The language a locale name asks for: "zh...", "C", "POSIX" and nothing mean
/// Chinese, any other name English. Only the first entry of a colon list counts.
Language LanguageOfLocale(std::string_view locale);

/// OVELIN_LANG ("zh" or "en") when set, else the locale of the first of LANGUAGE,
/// LC_ALL, LC_MESSAGES and LANG that is set and not empty.
Language InterfaceLanguage();

}  // namespace ovelin
