#include "smart_fun_id_data.h"

#include <initializer_list>

namespace vexo {

namespace {

struct ImageRow {
    std::initializer_list<const char*> names;
    FunctionImages images;
};

// The first row naming the function wins.
const ImageRow kImageRows[] = {
    {{"zelk:Intrusion_Event"}, {480, 481}},
    {{"zelk:Motion_Event", "zelk:Advanced_Motion_Detection_Event"}, {521, 523}},
    {{"zelk:Fast_Moving_Event"}, {470, 471}},
    {{"zelk:Wire_Cross_Event"}, {532, 533}},
    {{"zelk:Abandoned_Object_Detection_Event"}, {505, 507}},
    {{"zelk:Remove_Object_Event"}, {509, 511}},
    {{"zelk:Face_Detection_Event"}, {482, 483}},
    {{"zelk:Crowd_Action_Event"}, {484, 485}},
    {{"zelk:Fight_Event"}, {289, 290}},
    {{"zelk:Loitering_Event"}, {476, 477}},
    {{"zelk:People_Counting_Event"}, {488, 489}},
    {{"zelk:Density_Detection_Event"}, {486, 487}},
    {{"zelk:Queue_Event"}, {474, 475}},
    {{"zelk:Dwell_Time_Event"}, {295, 296}},
    {{"zelk:People_Detection_Event"}, {468, 469}},
    {{"zelk:Vehicle_Detect_Event"}, {462, 463}},
    {{"zelk:Image_Color_Reproduction_Error_Detection_Event"}, {478, 479}},
    {{"zelk:Global_Motion_Event"}, {490, 491}},
    {{"zelk:Video_Loss_Detection_Event"}, {492, 493}},
    {{"zelk:Defocus_Detection_Event"}, {529, 499}},
    {{"zelk:Detail_Event"}, {494, 495}},
    {{"zelk:Scene_High_Brightness_Error_Detection_Event",
      "zelk:Scene_Low_Brightness_Error_Detection_Event"},
     {472, 473}},
    {{"zelk:Abnormal_Sound_Event"}, {513, 515}},
};

constexpr FunctionImages kUnknownFunctionImages{653, 653};
constexpr int kFunctionOffsetBase = 310;
constexpr int kTileOffsetBase = 150;
constexpr int kTileSlots = 3;

}  // namespace

FunctionImages FunctionImagesByName(const QString& name) {
    for (const ImageRow& row : kImageRows) {
        for (const char* known : row.names) {
            if (name == QLatin1String(known)) {
                return row.images;
            }
        }
    }
    return kUnknownFunctionImages;
}

FunctionIdTable BuildFunctionIdTable(const QStringList& smartDisplayNames,
                                     const QMap<QString, QString>& firstTextByDisplayName,
                                     const QMap<QString, QString>& nameByDisplayName,
                                     const std::vector<AlarmFunctionTexts>& alarmFunctions) {
    FunctionIdTable table;
    for (int position = 0; position < smartDisplayNames.size(); ++position) {
        const QString& display = smartDisplayNames.at(position);
        CSmartFunIdData entry;
        entry.idOffset = kFunctionOffsetBase + position;
        entry.secondText = display;
        entry.firstText = firstTextByDisplayName.value(display);
        entry.name = nameByDisplayName.value(display);
        const FunctionImages images = FunctionImagesByName(entry.name);
        entry.normalImage = images.normal;
        entry.selectedImage = images.selected;
        table.push_back(entry);
    }
    for (size_t position = 0; position < alarmFunctions.size(); ++position) {
        const AlarmFunctionTexts& alarm = alarmFunctions[position];
        CSmartFunIdData entry;
        entry.idOffset =
            kFunctionOffsetBase + static_cast<int>(position) + static_cast<int>(table.size());
        entry.firstText = alarm.firstText;
        entry.secondText = alarm.secondText;
        entry.name = alarm.name;
        const FunctionImages images = FunctionImagesByName(alarm.name);
        entry.normalImage = images.normal;
        entry.selectedImage = images.selected;
        table.push_back(entry);
    }
    return table;
}

FunctionIdTable BuildFunctionIdTriples(const FunctionIdTable& table) {
    FunctionIdTable triples;
    triples.reserve(table.size() * kTileSlots);
    for (size_t position = 0; position < table.size(); ++position) {
        for (int slot = 0; slot < kTileSlots; ++slot) {
            CSmartFunIdData copy = table[position];
            copy.idOffset = kTileOffsetBase + kTileSlots * static_cast<int>(position) + slot;
            copy.slot = slot;
            triples.push_back(copy);
        }
    }
    return triples;
}

QString SecondTextById(const FunctionIdTable& table, int offset) {
    for (const CSmartFunIdData& entry : table) {
        if (entry.idOffset == offset) {
            return entry.secondText;
        }
    }
    return {};
}

}  // namespace vexo
