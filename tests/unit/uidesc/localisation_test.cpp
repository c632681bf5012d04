// The localisation tables and their lookups in both languages.

#include <gtest/gtest.h>

#include "com_str.h"
#include "localised_value.h"
#include "smart_xml_parse.h"
#include "temp_files.h"

namespace {

const char* const kTexts = R"(<?xml version="1.0" encoding="UTF-8"?>
<korvane_local>
  <localized-strings lang-iso3="english">
    <S Name="Both" Value="Both Languages"/>
    <S Name="EnglishOnly" Value="Only English"/>
    <S Name="EmptyValue" Value=""/>
    <S Name="zeta" Value="Same Text"/>
    <S Name="alpha" Value="Same Text"/>
    <S Name="Replaced" Value="First"/>
    <S Name="Replaced" Value="Second"/>
    <S Name="NoValue"/>
    <S Value="No Name"/>
  </localized-strings>
  <localized-strings lang-iso3="chinese">
    <S Name="Both" Value="两种语言"/>
    <S Name="EmptyValue" Value=""/>
  </localized-strings>
  <localized-strings lang-iso3="german">
    <S Name="Both" Value="Beide"/>
  </localized-strings>
</korvane_local>
)";

class Localisation : public ::testing::Test {
protected:
    void SetUp() override {
        parse_.SetFilePaths({}, folder_.Write("korvane_lang.xml", kTexts));
        parse_.LoadLocalisation();
        vexo::TheComStr().SetLanguage("english");
    }
    void TearDown() override { vexo::TheComStr().SetLanguage("english"); }
    QString Display(const QString& id, const QString& language) {
        vexo::TheComStr().SetLanguage(language);
        QString text = "untouched";
        parse_.GetDisplayText(id, text);
        return text;
    }
    QString Identifier(const QString& text, const QString& language) {
        vexo::TheComStr().SetLanguage(language);
        QString id = "untouched";
        parse_.GetIdentifierOfText(text, id);
        return id;
    }
    TempFolder folder_;
    CSmartXmlParse parse_;
};

TEST_F(Localisation, DisplayTextFallsBackToTheIdentifier) {
    EXPECT_EQ(Display("Both", "english"), "Both Languages");
    EXPECT_EQ(Display("Both", "chinese"), QString::fromUtf8("两种语言"));
    EXPECT_EQ(Display("EnglishOnly", "english"), "Only English");
    EXPECT_EQ(Display("EnglishOnly", "chinese"), "EnglishOnly");
    EXPECT_EQ(Display("EmptyValue", "english"), "EmptyValue");
    EXPECT_EQ(Display("EmptyValue", "chinese"), "EmptyValue");
    EXPECT_EQ(Display("Unknown", "english"), "Unknown");
    EXPECT_EQ(Display("Replaced", "english"), "Second");
}

TEST_F(Localisation, EntriesWithoutBothAttributesAndOtherLanguagesAreNotRead) {
    const auto& english = parse_.Localisation().English();
    EXPECT_EQ(english.count("NoValue"), 0u);
    EXPECT_EQ(english.size(), 6u);
    EXPECT_EQ(parse_.Localisation().Chinese().size(), 2u);
    EXPECT_EQ(Display("Both", "german"), "untouched");
}

TEST_F(Localisation, ReverseLookupTakesTheFirstIdentifierInOrder) {
    EXPECT_EQ(Identifier("Same Text", "english"), "alpha");
    EXPECT_EQ(Identifier(QString::fromUtf8("两种语言"), "chinese"), "Both");
    EXPECT_EQ(Identifier("Both Languages", "chinese"), "untouched");
    EXPECT_EQ(Identifier("Nothing Like It", "english"), "untouched");
    EXPECT_EQ(Identifier("Same Text", "german"), "untouched");
    EXPECT_EQ(Identifier("Both Languages", "English"), "untouched");
}

TEST_F(Localisation, ABadFileOrAWrongRootEmptiesBothTables) {
    for (const char* content : {"", "<korvane_local",
                                "<korvane_ui><localized-strings "
                                "lang-iso3=\"english\"><S Name=\"a\" "
                                "Value=\"b\"/></localized-strings>"
                                "</korvane_ui>"}) {
        parse_.SetFilePaths({}, folder_.Write("bad.xml", content));
        parse_.LoadLocalisation();
        EXPECT_TRUE(parse_.Localisation().English().empty()) << content;
        EXPECT_TRUE(parse_.Localisation().Chinese().empty()) << content;
        EXPECT_EQ(Display("Both", "english"), "Both");
    }
}

TEST(LocalisedValue, GbLocalesGoThroughTheirCharsetOthersDecodeDirectly) {
    const std::string chinese = "两种语言 (dB)";
    EXPECT_EQ(vexo::DecodeLocalisedValue(chinese, "UTF-8"), QString::fromUtf8(chinese.c_str()));
    EXPECT_EQ(vexo::DecodeLocalisedValue(chinese, "GB2312"), QString::fromUtf8(chinese.c_str()));
    EXPECT_EQ(vexo::DecodeLocalisedValue(chinese, "gb18030"), QString::fromUtf8(chinese.c_str()));
    // Not in GB2312: the raw bytes stand rather than a cut or empty text.
    const std::string outside = "caf\xc3\xa9 \xf0\x9f\x99\x82";
    EXPECT_EQ(vexo::DecodeLocalisedValue(outside, "GB2312"), QString::fromUtf8(outside.c_str()));
    EXPECT_EQ(vexo::DecodeLocalisedValue("", "GB2312"), QString());
    EXPECT_TRUE(vexo::IsGbCharset("GB2312"));
    EXPECT_TRUE(vexo::IsGbCharset("gbk"));
    EXPECT_TRUE(vexo::IsGbCharset("GB-18030"));
    EXPECT_FALSE(vexo::IsGbCharset("UTF-8"));
    EXPECT_FALSE(vexo::IsGbCharset("BIG5"));
}

}  // namespace
