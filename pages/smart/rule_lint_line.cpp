#include "rule_lint_line.h"

#include <QLabel>

#include "auto_base.h"
#include "com_str.h"
#include "device_command_channel.h"
#include "linkage_forms.h"
#include "param_record.h"
#include "rule_lint.h"
#include "smart_config_layout.h"
#include "smart_xml_parse.h"

namespace vexo::smart {

namespace {

constexpr int kTabsWidth = 3 * 120;
constexpr int kGap = 8;
constexpr int kLineHeight = 36;
// Dark orange: a warning, not a refusal.
constexpr const char* kStyle = "QLabel { color: #b35900; }";

}  // namespace

QRect RuleLintRect() {
    const int left = kTabsTopLeft.x() + kTabsWidth + kGap;
    return QRect(left, kTabsTopLeft.y(), kPanelRect.right() - left, kLineHeight);
}

RuleLintLine::RuleLintLine() = default;
RuleLintLine::~RuleLintLine() = default;

void RuleLintLine::Create(QWidget* parent, const QRect& rect) {
    label_ = std::make_unique<QLabel>(parent);
    label_->setProperty(vexo::kAutoIdProperty, kControlId);
    label_->setGeometry(rect);
    label_->setWordWrap(true);
    label_->setStyleSheet(QString::fromLatin1(kStyle));
    label_->hide();
}

void RuleLintLine::ShowFor(const ParamRecord& rule) {
    if (!label_) {
        return;
    }
    vexo::review::RuleToLint toLint;
    toLint.params = ParamRecordJson(rule);
    toLint.schedule = schedule_;
    toLint.trigger = linkage_;
    const bool chinese = vexo::TheComStr().Language() == QStringLiteral("chinese");
    QStringList lines;
    for (const vexo::review::LintWarning& warning : vexo::review::LintRule(toLint)) {
        lines << QString::fromStdString(chinese ? warning.chinese : warning.english);
    }
    if (lines.isEmpty()) {
        Hide();
        return;
    }
    // The first warning fits the line; the tool tip holds them all.
    label_->setText(lines.size() == 1
                        ? lines.front()
                        : lines.front() + QStringLiteral(" (+%1)").arg(lines.size() - 1));
    label_->setToolTip(lines.join(u'\n'));
    label_->show();
}

namespace {

ParamRecord Owner(const QString& funName, const QString& token) {
    ParamRecord owner;
    owner.funName = funName;
    owner.token = token;
    return owner;
}

}  // namespace

std::vector<DeviceCommandChannel::AheadCommand> RuleLintLine::OwnerReads(const QString& scene,
                                                                         const QString& funName,
                                                                         const QString& token,
                                                                         bool schedule,
                                                                         bool linkage) {
    const Json::Value info = TriggerOwnerInfo(scene, Owner(funName, token));
    std::vector<DeviceCommandChannel::AheadCommand> reads;
    if (schedule) {
        reads.push_back({"CMD_GetGuardSchedules", info});
    }
    if (linkage) {
        reads.push_back({"CMD_GetActionTrigger", info});
    }
    return reads;
}

void RuleLintLine::ReadOwner(CSmartXmlParse* parse, const QString& funName, const QString& token,
                             bool schedule, bool linkage) {
    schedule_ = Json::Value();
    linkage_ = Json::Value();
    if (!parse || token.isEmpty()) {
        return;
    }
    ParamRecord week = Owner(funName, token);
    if (schedule && parse->GetGuardSchedules(week)) {
        SetSchedule(week);
    }
    ParamRecord actions = Owner(funName, token);
    if (linkage && parse->GetActionTrigger(actions)) {
        SetLinkage(actions);
    }
}

void RuleLintLine::SetSchedule(const ParamRecord& schedule) {
    schedule_ = ParamRecordJson(schedule);
}

void RuleLintLine::SetLinkage(const ParamRecord& linkage) {
    linkage_ = ParamRecordJson(linkage);
}

void RuleLintLine::Clear() {
    schedule_ = Json::Value();
    linkage_ = Json::Value();
    Hide();
}

void RuleLintLine::Hide() {
    if (label_) {
        label_->clear();
        label_->setToolTip(QString());
        label_->hide();
    }
}

QString RuleLintLine::Text() const {
    return label_ && !label_->isHidden() ? label_->text() : QString();
}

}  // namespace vexo::smart
