#pragma once
// Parameter rows built without a device (row_sources.h), laid out by an
// engine on an offscreen page.

#include <gtest/gtest.h>
#include <QWidget>

#include "row_sources.h"
#include "show_ai_config.h"
#include "smart_ui_engine.h"

namespace vexo::test {

class PanelFixture : public ::testing::Test, protected RowSources {
protected:
    void SetUp() override {
        page_.resize(1000, 600);
        engine_.SetArea(&page_, QRect(0, 0, 1000, 0), QRect(0, 0, 1000, 600), &overlay_, nullptr,
                        QRect(0, 0, 704, 576));
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

    QWidget page_;
    CShowAIConfig overlay_;
    CSmartUiEngine engine_;
};

}  // namespace vexo::test
