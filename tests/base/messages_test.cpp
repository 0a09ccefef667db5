// The message catalogue: the language chosen from the environment, places filled.
#include <gtest/gtest.h>

#include <cstdlib>

#include "base/check_result.h"
#include "base/messages.h"

namespace ovelin {
namespace {

TEST(InterfaceLanguage, FromTheLocaleName) {
  for (const char* chinese : {"", "C", "C.UTF-8", "POSIX", "zh_CN.UTF-8", "zh_TW", "zh:en"}) {
    EXPECT_EQ(LanguageOfLocale(chinese), Language::Chinese) << chinese;
  }
  for (const char* english : {"en_US.UTF-8", "de_DE", "en:zh_CN", "fr"}) {
    EXPECT_EQ(LanguageOfLocale(english), Language::English) << english;
  }
}

TEST(InterfaceLanguage, FirstVariableSetWinsAndOvelinLangOverrides) {
  for (const char* name : {"OVELIN_LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) ::unsetenv(name);
  EXPECT_EQ(InterfaceLanguage(), Language::Chinese);
  ::setenv("LANG", "en_US.UTF-8", 1);
  EXPECT_EQ(InterfaceLanguage(), Language::English);
  ::setenv("LC_ALL", "C.UTF-8", 1);
  EXPECT_EQ(InterfaceLanguage(), Language::Chinese);
  ::setenv("LANGUAGE", "", 1);  // empty counts as not set
  EXPECT_EQ(InterfaceLanguage(), Language::Chinese);
  ::setenv("OVELIN_LANG", "en", 1);
  EXPECT_EQ(InterfaceLanguage(), Language::English);
  for (const char* name : {"OVELIN_LANG", "LANGUAGE", "LC_ALL", "LANG"}) ::unsetenv(name);
}

TEST(Messages, EveryMessageHasBothLanguagesAndACode) {
  for (int i = 1; i < static_cast<int>(MessageId::Count); ++i) {
    const auto id = static_cast<MessageId>(i);
    EXPECT_FALSE(MessagePattern(id, Language::Chinese).empty()) << i;
    EXPECT_FALSE(MessagePattern(id, Language::English).empty()) << i;
    EXPECT_FALSE(MessageCode(id).empty()) << i;
  }
}

TEST(Messages, PlacesAreFilledInOrderAndOthersKept) {
  EXPECT_EQ(MessageText(MessageId::ParentCycle, Language::English, {"A", "B"}),
            "\"A\" cannot become a parent of \"B\": it is the set itself or one of its descendants");
  EXPECT_EQ(MessageText(MessageId::UnknownSet, Language::Chinese, {"{2}"}), "没有名为\"{2}\"的文件集");
  EXPECT_EQ(MessageText(MessageId::UnknownSet, Language::Chinese), "没有名为\"{1}\"的文件集");
}

TEST(CheckResult, SuccessOrMessageWithReason) {
  EXPECT_TRUE(CheckResult());
  const CheckResult failed(MessageId::CreateSetFailed, MessageId::UnknownParent, {"P"});
  EXPECT_FALSE(failed);
  ::setenv("OVELIN_LANG", "zh", 1);
  EXPECT_EQ(failed.MessageText(), "创建文件集失败，请检查名称是否正确！");
  EXPECT_EQ(failed.ReasonText(), "没有名为\"P\"的父集");
  EXPECT_EQ(failed.Code(), "unknown-parent");
  EXPECT_EQ(CheckResult(MessageId::SetNameEmpty, MessageId::None).Code(), "set-name-empty");
  EXPECT_EQ(CheckResult(MessageId::SetNameEmpty, MessageId::None).ReasonText(), "");
  ::unsetenv("OVELIN_LANG");
}

}  // namespace
}  // namespace ovelin
