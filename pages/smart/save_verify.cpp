#include "save_verify.h"

#include "com_str.h"
#include "param_record.h"
#include "smart_ui_auto_fresh.h"
#include "smart_xml_parse.h"

namespace vexo::smart {
namespace {

constexpr size_t kMaxLines = 10;

// The counts CompareStored writes in English ("12 points"), in Chinese.
QString Localised(const std::string& text, bool chinese) {
    QString out = QString::fromStdString(text);
    if (!chinese) {
        return out;
    }
    const std::pair<const char*, const char*> units[] = {
        {" points", " 个点"}, {" rectangles", " 个矩形"}, {" positions", " 个位置"}};
    for (const auto& [english, local] : units) {
        if (out.endsWith(QLatin1String(english))) {
            out.chop(static_cast<int>(qstrlen(english)));
            return out + QString::fromUtf8(local);
        }
    }
    return out;
}

}  // namespace

QString SaveReport(const QString& saveSuccess,
                   const std::vector<vexo::review::StoredDifference>& differences, bool chinese) {
    if (differences.empty()) {
        return saveSuccess;
    }
    QString text = saveSuccess + u'\n' +
                   (chinese ? QStringLiteral("设备保存的值与发送的不同：")
                            : QStringLiteral("The device stored some values differently:"));
    for (size_t i = 0; i < differences.size() && i < kMaxLines; ++i) {
        const auto& difference = differences[i];
        const QString name = QString::fromStdString(difference.name);
        const QString sent = Localised(difference.sent, chinese);
        const QString stored = Localised(difference.stored, chinese);
        text += u'\n' + (chinese ? QStringLiteral("%1：发送 %2，保存为 %3")
                                 : QStringLiteral("%1: sent %2, stored %3"))
                            .arg(name, sent, stored);
    }
    if (differences.size() > kMaxLines) {
        const int more = static_cast<int>(differences.size() - kMaxLines);
        text += u'\n' +
                (chinese ? QStringLiteral("另有 %1 项") : QStringLiteral("and %1 more")).arg(more);
    }
    return text;
}

QString VerifiedSaveText(CSmartXmlParse* parse, vexo::CSmartUiAutoFresh& controller) {
    const QString& saveSuccess = vexo::TheComStr()->saveSuccess;
    if (!parse || controller.CurrentMode() != vexo::CSmartUiAutoFresh::kRuleMode ||
        controller.RuleToken().isEmpty()) {
        return saveSuccess;
    }
    const ParamRecord& sent = controller.RuleRecord();
    ParamRecord stored;
    stored.funName = sent.funName;
    stored.token = sent.token;
    if (!parse->GetRuleParam(stored)) {
        return saveSuccess;  // the save itself was acknowledged
    }
    const auto differences =
        vexo::review::CompareStored(ParamRecordJson(sent), ParamRecordJson(stored));
    if (differences.empty()) {
        return saveSuccess;  // the panel already shows what the device holds
    }
    // Show the device's version: the panel is built again from a fresh read.
    const bool chinese = vexo::TheComStr().Language() == QStringLiteral("chinese");
    const QString report = SaveReport(saveSuccess, differences, chinese);
    const QString scene = controller.SceneToken();
    const QString funName = controller.FunName();
    const QString token = controller.RuleToken();
    controller.ShowRule(false, scene, funName, token);
    return report;
}

}  // namespace vexo::smart
