#include "rule_lint_line.h"

#include <QLabel>

#include "auto_base.h"
#include "com_str.h"
#include "param_record.h"
#include "rule_lint.h"
#include "smart_config_layout.h"

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
    const bool chinese = vexo::TheComStr().Language() == QStringLiteral("chinese");
    QStringList lines;
    for (const vexo::review::LintWarning& warning : vexo::review::LintRule(toLint)) {
        lines << QString::fromStdString(chinese ? warning.chinese : warning.english);
    }
    if (lines.isEmpty()) {
        Clear();
        return;
    }
    // The first warning fits the line; the tool tip holds them all.
    label_->setText(lines.size() == 1
                        ? lines.front()
                        : lines.front() + QStringLiteral(" (+%1)").arg(lines.size() - 1));
    label_->setToolTip(lines.join(u'\n'));
    label_->show();
}

void RuleLintLine::Clear() {
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
