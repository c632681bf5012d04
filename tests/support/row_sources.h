#pragma once
// Parameter rows built from a parameter list, its links, a device record and
// the parameters' ranges the way the device context builds them, without a
// device.

#include <QStringList>
#include <map>

#include "param_rows.h"
#include "ui_type.h"

namespace vexo::test {

struct RowSources {
    void Param(const QString& name, const char* uiType) {
        params_.push_back({name, QString::fromLatin1(uiType)});
    }
    void Range(const QString& name, const QString& min, const QString& max,
               const QString& description = {}) {
        RangeInfo& range = ranges_[name];
        range.rangeMap[QStringLiteral("minInclusive")] = min;
        range.rangeMap[QStringLiteral("maxInclusive")] = max;
        range.description = description;
    }
    // The rows of a rule; `in` may bring the display and unit texts.
    ParamRows Rows(RowInputs in = {}) {
        in.ownerKind = QStringLiteral("Rule");
        in.params = &params_;
        in.links = &links_;
        in.record = &record_;
        in.range = [this](const QString& name) {
            rangeAsked_ << name;
            const auto it = ranges_.find(name);
            return it == ranges_.end() ? RangeInfo{} : it->second;
        };
        in.uiType = [this](const QString& text) { return table_.Lookup(text); };
        ParamRows rows;
        BuildRows(in, rows);
        return rows;
    }

    UiTypeTable table_;
    ParamList params_;
    UiLinkList links_;
    ParamRecord record_;
    std::map<QString, RangeInfo> ranges_;
    QStringList rangeAsked_;  // every range request, in order
};

}  // namespace vexo::test
