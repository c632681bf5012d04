#pragma once
// Builds parameter rows from a parameter list and a device record the way the
// device context does, without a device, and lays them out with an engine on
// an offscreen page.

#include <gtest/gtest.h>
#include <QWidget>

#include "param_rows.h"
#include "show_ai_config.h"
#include "smart_ui_engine.h"
#include "ui_type.h"

namespace vexo::test {

class PanelFixture : public ::testing::Test {
protected:
    void SetUp() override {
        page_.resize(1000, 600);
        engine_.SetArea(&page_, QRect(0, 0, 1000, 0), QRect(0, 0, 1000, 600), &overlay_, nullptr,
                        QRect(0, 0, 704, 576));
    }
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
    ParamRows Rows() {
        RowInputs in;
        in.ownerKind = QStringLiteral("Rule");
        in.params = &params_;
        in.links = &links_;
        in.record = &record_;
        in.range = [this](const QString& name) {
            const auto it = ranges_.find(name);
            return it == ranges_.end() ? RangeInfo{} : it->second;
        };
        in.uiType = [this](const QString& text) { return table_.Lookup(text); };
        ParamRows rows;
        BuildRows(in, rows);
        return rows;
    }
    void Build() {
        engine_.Clear();
        engine_.ResetLayout();
        engine_.BuildPanel(Rows(), true);
    }
    // The first control of `list` bearing `name` (label boxes and labels too).
    template <class List>
    static auto* Named(const List& list, const QString& name, int skip = 0) {
        for (const auto& control : list) {
            if (control->Name() == name && skip-- == 0) {
                return control.get();
            }
        }
        return decltype(list.front().get())(nullptr);
    }

    UiTypeTable table_;
    ParamList params_;
    UiLinkList links_;
    ParamRecord record_;
    std::map<QString, RangeInfo> ranges_;
    QWidget page_;
    CShowAIConfig overlay_;
    CSmartUiEngine engine_;
};

}  // namespace vexo::test
