// One input: a device record as JSON (optionally with a "ranges" member:
// parameter name -> {"description": ..., "rangeMap": {...}}), a line "--",
// then a UI description whose rule "r" names the parameters. The rows are
// built and laid out by the engine on an offscreen page, read back and
// stored into the record again.

#include <json/reader.h>
#include <unistd.h>

#include <QApplication>
#include <QWidget>
#include <cstdint>
#include <cstdio>
#include <string>

#include "show_ai_config.h"
#include "smart_ui_engine.h"
#include "smart_xml_parse.h"

namespace {

QApplication& App() {
    static int argc = 1;
    static char name[] = "fuzz_uidesc_panel";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}

vexo::RangeInfo RangeOf(const Json::Value& ranges, const QString& name) {
    vexo::RangeInfo info;
    const Json::Value& range = ranges.isObject() ? ranges[name.toStdString()] : Json::Value();
    if (!range.isObject()) {
        return info;
    }
    if (range["description"].isString()) {
        info.description = QString::fromStdString(range["description"].asString());
    }
    const Json::Value& map = range["rangeMap"];
    if (map.isObject()) {
        for (const std::string& key : map.getMemberNames()) {
            if (map[key].isString()) {
                info.rangeMap[QString::fromStdString(key)] =
                    QString::fromStdString(map[key].asString());
            }
        }
    }
    return info;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    App();
    static const std::string path = "/tmp/vexo-fuzz-panel-" + std::to_string(::getpid()) + ".xml";
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find("\n--\n");
    const std::string json = split == std::string::npos ? input : input.substr(0, split);
    const std::string xml = split == std::string::npos ? std::string() : input.substr(split + 4);
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(xml.data(), 1, xml.size(), out);
        std::fclose(out);
    }

    Json::Value document;
    Json::Reader().parse(json, document);
    ParamRecord record;
    record.funName = QStringLiteral("r");
    if (document.isObject()) {
        DecodeParamRecord(document, record);
    }
    const Json::Value ranges = document.isObject() ? document["ranges"] : Json::Value();

    CSmartXmlParse parse;
    parse.SetFilePaths(QString::fromStdString(path), QString());
    vexo::ParamList params;
    vexo::UiLinkList links;
    parse.GetRuleParameters(QStringLiteral("r"), params);
    parse.GetRequireUiLinks(QStringLiteral("Rule"), QStringLiteral("r"), links);

    vexo::RowInputs in;
    in.ownerKind = QStringLiteral("Rule");
    in.params = &params;
    in.links = &links;
    in.record = &record;
    in.range = [&ranges](const QString& name) { return RangeOf(ranges, name); };
    in.uiType = [&parse](const QString& text) { return parse.UiTypeOf(text); };
    vexo::ParamRows rows;
    vexo::BuildRows(in, rows);

    QWidget page;
    page.resize(1000, 600);
    vexo::CShowAIConfig overlay;
    vexo::CSmartUiEngine engine;
    engine.SetArea(&page, QRect(0, 0, 1000, 0), QRect(0, 0, 1000, 600), &overlay, &parse,
                   QRect(0, 0, 704, 576));
    engine.ResetLayout();
    engine.BuildPanel(rows, true);
    engine.ShowAll(true);
    // Every notification on every control the panel made.
    for (int offset = 0; offset <= 50; ++offset) {
        engine.OnCheckBoxClicked(offset);
        engine.OnDrawingButtonClicked(offset);
        engine.OnSpinDelta(offset, offset % 2 ? 1 : -3);
        engine.OnSliderReleased(offset);
        engine.OnComboSelChange(offset + 100);
        engine.OnEditChange(offset + 100);
        engine.OnXpButtonClicked(offset + 400);
    }
    std::map<QString, vexo::ObjectValueText> objects;
    engine.CollectValues(record, objects);
    parse.StoreObjectValues(params, objects, record);
    engine.Clear();
    return 0;
}
