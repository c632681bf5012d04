// The function identifier tables and their pictures.
#include <gtest/gtest.h>

#include "com_str.h"
#include "image_catalog.h"
#include "smart_fun_id_data.h"

using namespace vexo;

TEST(FunctionImages, KnownNamesGetTheirPairAndUnknownOnesGet653) {
    EXPECT_EQ(FunctionImagesByName("zelk:Intrusion_Event").normal, 480);
    EXPECT_EQ(FunctionImagesByName("zelk:Intrusion_Event").selected, 481);
    // Two names may share one pair.
    EXPECT_EQ(FunctionImagesByName("zelk:Advanced_Motion_Detection_Event").normal,
              FunctionImagesByName("zelk:Motion_Event").normal);
    for (const QString& unknown : {QStringLiteral("zelk:Something_New"), QString(),
                                   QStringLiteral("zelk:intrusion_event")}) {
        const FunctionImages images = FunctionImagesByName(unknown);
        EXPECT_EQ(images.normal, 653) << unknown.toStdString();
        EXPECT_EQ(images.selected, 653);
    }
}

TEST(FunctionImages, EveryEventTheControlKnowsHasBothPictures) {
    const CComStr texts;
    for (const QString& name : texts.EventNames()) {
        const FunctionImages images = FunctionImagesByName(name);
        EXPECT_TRUE(HasImageId(images.normal)) << name.toStdString();
        EXPECT_TRUE(HasImageId(images.selected)) << name.toStdString();
    }
}

TEST(FunctionIdTable, SmartFunctionsThenAlarmsWithTheirOffsets) {
    const QStringList display = {QStringLiteral("Intrusion"), QStringLiteral("Fight")};
    const QMap<QString, QString> first = {{"Intrusion", "intrusion-1"}, {"Fight", "fight-1"}};
    const QMap<QString, QString> names = {{"Intrusion", "zelk:Intrusion_Event"},
                                          {"Fight", "zelk:Fight_Event"}};
    const std::vector<AlarmFunctionTexts> alarms = {{"zelk:IO_Alarm", "io-1", "IO alarm"},
                                                    {"zelk:Disk_Full", "disk-1", "Disk full"}};
    const FunctionIdTable table = BuildFunctionIdTable(display, first, names, alarms);
    ASSERT_EQ(table.size(), 4u);
    EXPECT_EQ(table[0].idOffset, 310);
    EXPECT_EQ(table[0].CommandId(), 18310);
    EXPECT_EQ(table[0].firstText, QStringLiteral("intrusion-1"));
    EXPECT_EQ(table[0].secondText, QStringLiteral("Intrusion"));
    EXPECT_EQ(table[0].name, QStringLiteral("zelk:Intrusion_Event"));
    EXPECT_EQ(table[0].normalImage, 480);
    EXPECT_EQ(table[1].idOffset, 311);
    EXPECT_EQ(table[1].selectedImage, 290);
    // Alarm at position p: 310 + p + entries already in the table.
    EXPECT_EQ(table[2].idOffset, 312);
    EXPECT_EQ(table[3].idOffset, 314);
    EXPECT_EQ(table[3].secondText, QStringLiteral("Disk full"));
    EXPECT_EQ(table[3].normalImage, 653);

    EXPECT_EQ(SecondTextById(table, 311), QStringLiteral("Fight"));
    EXPECT_EQ(SecondTextById(table, 314), QStringLiteral("Disk full"));
    EXPECT_TRUE(SecondTextById(table, 313).isEmpty());
}

TEST(FunctionIdTable, TriplesGiveEveryTileSlotItsOwnOffset) {
    FunctionIdTable table(2);
    table[0].secondText = QStringLiteral("A");
    table[1].secondText = QStringLiteral("B");
    const FunctionIdTable triples = BuildFunctionIdTriples(table);
    ASSERT_EQ(triples.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(triples[i].idOffset, 150 + i);
        EXPECT_EQ(triples[i].slot, i % 3);
        EXPECT_EQ(triples[i].secondText, i < 3 ? QStringLiteral("A") : QStringLiteral("B"));
    }
}
