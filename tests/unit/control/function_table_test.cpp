// The function identifier tables: offsets the pages route presses by, and a
// picture for every event the control knows.
#include <gtest/gtest.h>

#include "com_str.h"
#include "image_catalog.h"
#include "smart_fun_id_data.h"

using namespace vexo;

TEST(FunctionImages, EveryKnownEventHasBothPicturesAndOthersTheFallback) {
    const CComStr texts;
    for (const QString& name : texts.EventNames()) {
        const FunctionImages images = FunctionImagesByName(name);
        EXPECT_TRUE(HasImageId(images.normal) && HasImageId(images.selected)) << name.toStdString();
    }
    EXPECT_EQ(FunctionImagesByName(QStringLiteral("zelk:intrusion_event")).normal, 653)
        << "names match case-sensitively";
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
    EXPECT_EQ(table[0].CommandId(), 18310);
    EXPECT_EQ(table[0].firstText, QStringLiteral("intrusion-1"));
    EXPECT_EQ(table[0].name, QStringLiteral("zelk:Intrusion_Event"));
    // Alarm at position p: 310 + p + entries already in the table.
    EXPECT_EQ(table[2].idOffset, 312);
    EXPECT_EQ(table[3].idOffset, 314);
    EXPECT_EQ(SecondTextById(table, 314), QStringLiteral("Disk full"));
    EXPECT_TRUE(SecondTextById(table, 313).isEmpty());

    const FunctionIdTable triples = BuildFunctionIdTriples(table);
    ASSERT_EQ(triples.size(), 12u);
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(triples[i].idOffset, 150 + i);
        EXPECT_EQ(triples[i].slot, i % 3);
        EXPECT_EQ(triples[i].secondText, table[i / 3].secondText);
    }
}
