// The UI description the simulated device ships, read through the control's
// own readers: every parameter's uiType is one the control knows. (The
// files' consistency with the device is the simulator tests' business.)

#include <gtest/gtest.h>

#include <set>

#include "narrow_text.h"
#include "smart_xml_parse.h"
#include "temp_files.h"
#include "xml_file.h"

namespace {

const QString kUi = QStringLiteral(VEXO_DEVICE_DATA_DIR "/korvane_ui.xml");

struct Owner {
    QString kind;
    QString name;
};

std::vector<Owner> OwnersOf(const QString& path) {
    std::vector<Owner> owners;
    const vexo::XmlFile file(vexo::ToNarrow(path));
    for (const char* kind : {"Module", "Rule", "NormalAlarm", "NonScene"}) {
        for (xmlNode* node :
             file.Select(std::string("/korvane_ui/") + kind + "s/" + kind + "[@Name]")) {
            owners.push_back({kind, *vexo::Attribute(node, "Name")});
        }
    }
    return owners;
}

class ShippedFiles : public ::testing::Test {
protected:
    void SetUp() override {
        parse_.SetFilePaths(kUi, QString());
        owners_ = OwnersOf(kUi);
        ASSERT_GT(owners_.size(), 20u);
    }
    vexo::ParamList ParametersOf(const Owner& owner) const {
        vexo::ParamList params;
        if (owner.kind == "Module") {
            parse_.GetModuleParameters(owner.name, params);
        } else if (owner.kind == "Rule") {
            parse_.GetRuleParameters(owner.name, params);
        } else if (owner.kind == "NormalAlarm") {
            parse_.GetNormalAlarmParameters(owner.name, params);
        } else {
            parse_.GetNonSceneParameters(owner.name, params);
        }
        return params;
    }
    CSmartXmlParse parse_;
    std::vector<Owner> owners_;
};

TEST_F(ShippedFiles, EveryParameterHasAKnownUiTypeAndEveryTypeIsUsed) {
    std::set<int> used;
    size_t count = 0;
    for (const Owner& owner : owners_) {
        for (const vexo::ParamEntry& param : ParametersOf(owner)) {
            const int type = parse_.UiTypeOf(param.uiType);
            EXPECT_NE(type, vexo::UI_UNKNOWN)
                << owner.name.toStdString() << " " << param.name.toStdString();
            used.insert(type);
            ++count;
        }
    }
    EXPECT_GT(count, 80u);
    EXPECT_EQ(used.size(), 27u);
}

}  // namespace
