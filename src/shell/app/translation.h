#pragma once
// The translators of the interface language. The program's own texts are
// Chinese; English comes from the program's catalogue (compiled from
// resources/translations/ovelin_en.ts into the resource ":/i18n").

#include "base/interface_language.h"

namespace ovelin {

/// Replaces the translators installed by an earlier call. Chinese: Qt's own
/// qtbase_zh_CN, so that standard buttons read "确定" and "取消", and no program
/// translator. English: the program's English catalogue, and Qt's texts stay
/// English. False when the catalogue could not be loaded. Needs the application
/// object.
bool InstallTranslations(Language language);

}  // namespace ovelin
