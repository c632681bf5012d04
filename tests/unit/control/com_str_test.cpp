// The built-in texts and the language rules.
#include <gtest/gtest.h>

#include "com_str.h"

using vexo::CComStr;

TEST(ComStr, StartsInChinese) {
    CComStr texts;
    EXPECT_EQ(texts.Language(), QStringLiteral("chinese"));
    EXPECT_EQ(texts->ok, QStringLiteral("确认"));
    EXPECT_EQ(texts.WeekdayNames().size(), 7);
    EXPECT_EQ(texts.WeekdayNames().at(1), QStringLiteral("星期二"));
}

TEST(ComStr, EnglishAndChineseTextsAreExactIncludingBlanks) {
    CComStr texts;
    texts.SetLanguage(QStringLiteral("english"));
    EXPECT_EQ(texts->sceneNameIllegal, QStringLiteral(" Scenename include illegal character."));
    EXPECT_EQ(texts->deleteCurrentScene, QStringLiteral("  Delete current scene"));
    EXPECT_EQ(texts->deleteCurrentRule, QStringLiteral("  Delete current rule"));
    EXPECT_EQ(texts->setCurrentScene, QStringLiteral("Set it to be current scene"));
    EXPECT_EQ(texts->setPosition, QStringLiteral("Set Positon"));
    EXPECT_EQ(texts->endBeforeStart,
              QStringLiteral("The end time must be greater then start time"));
    EXPECT_EQ(texts->sceneNameRepeated, QStringLiteral("Scene name can't be repeat"));
    EXPECT_EQ(texts->exportConfig, QStringLiteral("export"));
    EXPECT_EQ(texts->tips, QStringLiteral("tips"));
    EXPECT_EQ(texts->sceneSetTitle, QStringLiteral("Scene Set"));
    EXPECT_EQ(texts->smartFunction, QStringLiteral("Smart Function"));
    EXPECT_EQ(texts->commonLinkage, QStringLiteral("常规联动"));
    EXPECT_EQ(texts.WeekdayNames().front(), QStringLiteral("Monday"));
    EXPECT_EQ(texts.WeekdayNames().back(), QStringLiteral("Sunday"));

    texts.SetLanguage(QStringLiteral("chinese"));
    EXPECT_EQ(texts->setCurrentScene, QStringLiteral("  是否变更为当前场景"));
    EXPECT_EQ(texts->deleteCurrentScene, QStringLiteral("   是否删除当前场景"));
    EXPECT_EQ(texts->deleteCurrentRule, QStringLiteral("   是否删除当前规则"));
    EXPECT_EQ(texts->saveAddedRuleFirst, QStringLiteral("请先保存添加的场景"));
    EXPECT_EQ(texts->notSupported, QStringLiteral("不支持创建场景"));
    EXPECT_EQ(texts->recover, QStringLiteral("恢复默认"));
    EXPECT_EQ(texts->ptz, QStringLiteral("PTZ"));
    EXPECT_EQ(texts->sceneNameIllegal, QStringLiteral("场景名称包含非法字符"));
}

TEST(ComStr, UnknownLanguageKeepsThePreviousTextsButEmptiesTheLists) {
    CComStr texts;
    texts.SetLanguage(QStringLiteral("english"));
    texts.SetLanguage(QStringLiteral("chinese"));
    texts.SetLanguage(QStringLiteral("klingon"));
    EXPECT_EQ(texts.Language(), QStringLiteral("klingon"));
    EXPECT_EQ(texts->save, QStringLiteral("保存"));
    EXPECT_EQ(texts->copyTo, QStringLiteral("复制到"));
    EXPECT_TRUE(texts.WeekdayNames().isEmpty());
    EXPECT_TRUE(texts.LinkageMethodNames().isEmpty());
    EXPECT_TRUE(texts.AlarmOutputNames().isEmpty());
    EXPECT_TRUE(texts.RecordLinkageNames().isEmpty());

    // The comparison is exact: a capitalised name is just another unknown one.
    texts.SetLanguage(QStringLiteral("English"));
    EXPECT_EQ(texts->save, QStringLiteral("保存"));
    texts.SetLanguage(QStringLiteral("english"));
    EXPECT_EQ(texts->save, QStringLiteral("Save"));
}

TEST(ComStr, ListsAreTheSameInBothLanguagesExceptWeekdays) {
    CComStr texts;
    const QStringList chineseMethods = texts.LinkageMethodNames();
    texts.SetLanguage(QStringLiteral("english"));
    EXPECT_EQ(texts.LinkageMethodNames(), chineseMethods);
    EXPECT_EQ(texts.LinkageMethodNames(),
              (QStringList{QStringLiteral("邮件联动"), QStringLiteral("消息上传服务中心"),
                           QStringLiteral("上传FTP"), QStringLiteral("PTZ跟踪联动")}));
    EXPECT_EQ(texts.AlarmOutputNames(),
              (QStringList{QStringLiteral("I/O->1"), QStringLiteral("I/O->2")}));
    EXPECT_EQ(texts.RecordLinkageNames(), QStringList{QStringLiteral("SDK录像")});
}

TEST(ComStr, EventNamesDoNotDependOnTheLanguage) {
    CComStr texts;
    texts.SetLanguage(QStringLiteral("unknown"));
    const QStringList& events = texts.EventNames();
    ASSERT_EQ(events.size(), 27);
    EXPECT_EQ(events.front(), QStringLiteral("zelk:PTZ_Tracking_Settings"));
    EXPECT_TRUE(events.at(12).isEmpty());
    EXPECT_EQ(events.at(13), QStringLiteral("zelk:People_Counting_Event"));
    EXPECT_EQ(events.back(), QStringLiteral("zelk:Abnormal_Sound_Event"));
    texts.SetLanguage(QStringLiteral("english"));
    EXPECT_EQ(texts.EventNames(), events);
}
