// The built-in texts and the language rules.
#include <gtest/gtest.h>

#include "com_str.h"

using vexo::CComStr;

TEST(ComStr, StartsInChineseAndSwitchesOnlyForAnExactLanguageName) {
    CComStr texts;
    EXPECT_EQ(texts.Language(), QStringLiteral("chinese"));
    EXPECT_EQ(texts->ok, QStringLiteral("确认"));
    ASSERT_EQ(texts.WeekdayNames().size(), 7);
    EXPECT_EQ(texts.WeekdayNames().at(1), QStringLiteral("星期二"));

    texts.SetLanguage(QStringLiteral("english"));
    EXPECT_EQ(texts->save, QStringLiteral("Save"));
    EXPECT_EQ(texts.WeekdayNames().front(), QStringLiteral("Monday"));

    // Any other name, a capitalised one too, keeps the texts but empties the
    // lists.
    texts.SetLanguage(QStringLiteral("English"));
    EXPECT_EQ(texts.Language(), QStringLiteral("English"));
    EXPECT_EQ(texts->save, QStringLiteral("Save"));
    EXPECT_TRUE(texts.WeekdayNames().isEmpty());
    EXPECT_TRUE(texts.LinkageMethodNames().isEmpty());

    texts.SetLanguage(QStringLiteral("chinese"));
    EXPECT_EQ(texts->save, QStringLiteral("保存"));
    EXPECT_EQ(texts.WeekdayNames().size(), 7);
}
