// Parameter panels of the simulated device: every rule (with its modules and
// non-scene functions), module, normal alarm and non-scene function, built
// from the device's values by the parameter engine.

#include <QDir>
#include <QRegularExpression>
#include <QWidget>
#include <algorithm>
#include <cstdio>

#include "gallery.h"
#include "panel_device.h"

namespace gallery {

namespace {

constexpr int kPageWidth = 1000;
constexpr int kPageHeight = 600;

QString FileName(const QString& kind, const QString& owner) {
    QString name = owner.section(u':', -1);
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]")), QStringLiteral("_"));
    return kind + u'-' + name;
}

// Lays `rows` out on a fresh page, trimmed to the height they use.
bool SavePanel(vexo::CSmartUiEngine& engine, QWidget& page, const vexo::ParamRows& rows,
               const QString& folder, const QString& name) {
    engine.Clear();
    engine.ResetLayout();
    engine.BuildPanel(rows, true);
    engine.ShowAll(true);
    int bottom = 0;
    for (const QWidget* child : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        bottom = std::max(bottom, child->geometry().bottom());
    }
    page.resize(kPageWidth, std::min(kPageHeight, bottom + 12));
    return Save(page, folder, name);
}

}  // namespace

int SavePanelSheets(const QString& folder, const QString& address) {
    vexo::test::PanelDevice device;
    if (!device.Connect(address.toStdString(), "admin", "Admin_123")) {
        std::fprintf(stderr, "cannot log into %s\n", qPrintable(address));
        return 1;
    }
    CSmartXmlParse& parse = device.Parse();
    QWidget page;
    page.setAutoFillBackground(true);
    page.setPalette(QPalette(Qt::white));
    page.resize(kPageWidth, kPageHeight);
    vexo::CSmartUiEngine engine;
    engine.SetArea(&page, QRect(0, 0, kPageWidth, 0), QRect(0, 0, kPageWidth, kPageHeight), nullptr,
                   &parse);

    int failures = 0;
    for (const vexo::test::RuleRef& rule : device.Rules()) {
        vexo::test::RulePanelRecords records;
        const vexo::ParamRows rows = device.BuildRulePanel(engine, rule, records);
        failures +=
            SavePanel(engine, page, rows, folder, FileName(QStringLiteral("rule"), rule.fun)) ? 0
                                                                                              : 1;
    }
    for (const QString& module : device.Owners().modules) {
        vexo::ParamRows rows;
        parse.BuildModulePanel(false, module, rows);
        failures +=
            SavePanel(engine, page, rows, folder, FileName(QStringLiteral("module"), module)) ? 0
                                                                                              : 1;
    }
    // Every module in one panel: long enough to show where the second
    // column starts.
    vexo::ParamRows allModules;
    for (const QString& module : device.Owners().modules) {
        parse.BuildModulePanel(false, module, allModules);
    }
    failures +=
        SavePanel(engine, page, allModules, folder, QStringLiteral("two-columns-all-modules")) ? 0
                                                                                               : 1;
    std::vector<NormalAlarmFun> alarms;
    parse.Channel()->GetAllNormalAlarmFunName(alarms);
    for (const NormalAlarmFun& alarm : alarms) {
        ParamRecord record;
        record.funName = alarm.type;
        record.token = alarm.token;
        vexo::ParamRows rows;
        parse.BuildNormalAlarmPanel(false, record, rows);
        failures += SavePanel(engine, page, rows, folder,
                              FileName(QStringLiteral("normal-alarm"), alarm.type))
                        ? 0
                        : 1;
    }
    for (const QString& nonScene : device.Owners().nonScenes) {
        ParamRecord record;
        record.funName = nonScene;
        parse.Channel()->GetNonSceneParam(record);
        vexo::ParamList params;
        vexo::UiLinkList links;
        parse.GetNonSceneParameters(nonScene, params);
        parse.GetRequireUiLinks(QStringLiteral("NonScene"), nonScene, links);
        vexo::ParamRows rows;
        parse.BuildParamRows(QStringLiteral("NonScene"), params, links, record, rows);
        failures +=
            SavePanel(engine, page, rows, folder, FileName(QStringLiteral("non-scene"), nonScene))
                ? 0
                : 1;
    }
    return failures;
}

}  // namespace gallery
