// The linkage editor against a simulated device: actions of one name
// changing together, the rule batch to chosen rules, the export mark and the
// device's odd replies. A ticked action saved as "TRUE" and read back from
// the device, the export's record and a refused save are driven through the
// pages by tests/gui/smart/smart_editors.js and tests/gui/normal.

#include <QLabel>

#include "editor_fixture.h"
#include "editor_ids.h"
#include "linkage_editor.h"
#include "smart_linkage_method.h"

namespace vexo::test {
namespace {

namespace ids = editor_ids;

class LinkageEditorTest : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        editor_ = new CSmartLinkageMethod(&page_);
        editor_->setGeometry(10, 10, 700, 450);
        editor_->SetDeviceContext(&device_.Parse());
        editor_->SetIdentity(rule_.fun, rule_.token);
        editor_->show();
    }
    // The boxes of the action `name`, in group order.
    std::vector<QCheckBox*> Boxes(const QString& name) {
        std::vector<QCheckBox*> boxes;
        for (int id = ids::kLinkageAction; id < ids::kLinkageAction + ids::kLinkageMaxActions;
             ++id) {
            auto* box = ById<QCheckBox>(editor_, id);
            if (box && box->text() == name) {
                boxes.push_back(box);
            }
        }
        return boxes;
    }
    ParamRecord DeviceTrigger(const QString& token) {
        ParamRecord record;
        record.funName = rule_.fun;
        record.token = token;
        EXPECT_EQ(Channel().GetActionTrigger(rule_.scene, record), 1);
        return record;
    }

    CSmartLinkageMethod* editor_ = nullptr;
};

TEST_F(LinkageEditorTest, ATrueActionIsTickedAndSharedActionsChangeTogether) {
    Script("CMD_GetActionTrigger", R"({"ack":"0","info":{
        "simp":{"Notification":"0","Recording":"1"},
        "data":{"Notification":{"simp":{"Buzzer":"True","SendEmail":"FALSE"},"name":""},
                "Recording":{"simp":{"Buzzer":"True","RecordChannel1":"false"},"name":""}}}})");
    editor_->Init();
    const std::vector<QCheckBox*> buzzers = Boxes(QStringLiteral("Buzzer"));
    ASSERT_EQ(buzzers.size(), 2u);
    EXPECT_TRUE(buzzers[0]->isChecked());
    EXPECT_TRUE(buzzers[1]->isChecked());
    buzzers[0]->click();  // both go off
    EXPECT_FALSE(buzzers[1]->isChecked());
    EXPECT_EQ(editor_->Record().objectParams.at("Recording").attributes.at("Buzzer"), "FALSE");
    buzzers[1]->click();  // and on again, from the other group
    EXPECT_TRUE(buzzers[0]->isChecked());
    // This device knows no shared actions: its answer is scripted.
    Script("CMD_SetActionTrigger", R"({"ack":"0","info":""})");
    ASSERT_EQ(editor_->Save(), 1);
    const Json::Value sent = LastRequest("CMD_SetActionTrigger")["ActionTriggerData"];
    EXPECT_EQ(sent["data"]["Notification"]["simp"]["Buzzer"].asString(), "TRUE");
    EXPECT_EQ(sent["data"]["Recording"]["simp"]["Buzzer"].asString(), "TRUE");
    EXPECT_EQ(sent["data"]["Recording"]["simp"]["RecordChannel1"].asString(),
              "false");                                    // untouched
    EXPECT_EQ(sent["simp"]["Recording"].asString(), "1");  // slots travel back unchanged
}

// Marked for the export, the rule's record stays marked when the editor is
// laid out again. (What the export holds is smart_editors.js's.)
TEST_F(LinkageEditorTest, TheExportMarkSurvivesARelayout) {
    editor_->Init();
    Click(ById(editor_, ids::kLinkageBatchCheck));
    editor_->resize(600, 300);
    ParamRecord record;
    EXPECT_EQ(editor_->GetTriggerRecord(record), 1);
    EXPECT_EQ(record.token, rule_.token);
}

TEST_F(LinkageEditorTest, RuleBatchSendsTheActionsToEveryChosenRule) {
    const QString second = AddRule(QStringLiteral("Intrusion_Event 05"));
    ASSERT_FALSE(second.isEmpty());
    editor_->SetRuleBatch(true, {{"Rule 01", rule_.token}, {"Rule 05", second}});
    editor_->Init();
    EXPECT_EQ(ById<QLabel>(editor_, ids::kLinkageGroupTitle)->text(), "Alarm Output");  // localised
    Boxes(QStringLiteral("Snapshot")).at(0)->click();
    popups_.OnNextPopup([](COkCancelConfigDlg& chooser) {  // Rule 05 alone
        EXPECT_EQ(chooser.ItemStates(), (QList<int>{1, 0, 0}));
        chooser.ItemControl(0)->click();
        chooser.ItemControl(1)->click();
        chooser.OkButton()->click();
    });
    Click(ById(editor_, ids::kLinkageRuleBatch));
    EXPECT_EQ(popups_.popupsSeen, 1);
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text, "Save Success");
    EXPECT_EQ(DeviceTrigger(second).objectParams.at("Capture").attributes.at("Snapshot"), "TRUE");
    EXPECT_EQ(DeviceTrigger(rule_.token).objectParams.at("Capture").attributes.at("Snapshot"),
              "FALSE");
    // A cancelled chooser sends nothing and shows nothing.
    popups_.OnNextPopup([](COkCancelConfigDlg& chooser) { chooser.CancelButton()->click(); });
    Click(ById(editor_, ids::kLinkageRuleBatch));
    EXPECT_EQ(popups_.popupsSeen, 2);
    EXPECT_EQ(messages_.shown.size(), 1u);
}

// Each rule of the batch is read back after its write; what the device kept
// differently is named per rule, and the rule on show takes the device's
// version.
TEST_F(LinkageEditorTest, RuleBatchReadsEachRuleBackAndNamesWhatTheDeviceChanged) {
    const QString second = AddRule(QStringLiteral("Intrusion_Event 05"));
    ASSERT_FALSE(second.isEmpty());
    editor_->SetRuleBatch(true, {{"Rule 01", rule_.token}, {"Rule 05", second}});
    editor_->Init();
    QCheckBox* snapshot = Boxes(QStringLiteral("Snapshot")).at(0);
    snapshot->click();
    ASSERT_TRUE(snapshot->isChecked());
    // The device keeps its snapshots off, whatever it is sent.
    Script("CMD_GetActionTrigger", R"({"ack":"0","info":{"simp":{"Capture":"0"},
        "data":{"Capture":{"simp":{"Snapshot":"FALSE"},"name":""}}}})");
    const size_t before = sim_.Journal().size();
    popups_.OnNextPopup([](COkCancelConfigDlg& chooser) {
        chooser.ItemControl(1)->click();  // Rule 05 beside the ticked Rule 01
        chooser.OkButton()->click();
    });
    Click(ById(editor_, ids::kLinkageRuleBatch));
    QStringList ops;
    const std::vector<Json::Value> journal = sim_.Journal();
    for (size_t i = before; i < journal.size(); ++i) {
        Json::Value request;
        vexo::ParseJson(journal[i]["request"].asString(), request);
        ops << QString::fromStdString(request["op"].asString());
    }
    EXPECT_EQ(ops.join(u','),
              "CMD_SetActionTrigger,CMD_GetActionTrigger,"
              "CMD_SetActionTrigger,CMD_GetActionTrigger");
    ASSERT_EQ(messages_.shown.size(), 1u);
    EXPECT_EQ(messages_.shown[0].text,
              "Save Success\nThe device stored some values differently:\n"
              "Rule 01 / Capture.Snapshot: sent TRUE, stored FALSE\n"
              "Rule 05 / Capture.Snapshot: sent TRUE, stored FALSE");
    EXPECT_FALSE(Boxes(QStringLiteral("Snapshot")).at(0)->isChecked());
    EXPECT_FALSE(editor_->IsModified());

    // A rule the device refuses shows its error; what the accepted rule
    // holds otherwise still follows, without "Save Success".
    editor_->SetRuleBatch(true, {{"Rule 01", rule_.token}, {"Rule 09", "Intrusion_Event 09"}});
    Boxes(QStringLiteral("Snapshot")).at(0)->click();
    popups_.OnNextPopup([](COkCancelConfigDlg& chooser) {
        chooser.ItemControl(1)->click();
        chooser.OkButton()->click();
    });
    Click(ById(editor_, ids::kLinkageRuleBatch));
    ASSERT_EQ(messages_.shown.size(), 3u);
    EXPECT_EQ(messages_.shown[1].text, "Rule does not exist");
    EXPECT_EQ(messages_.shown[2].text,
              "The device stored some values differently:\n"
              "Rule 01 / Capture.Snapshot: sent TRUE, stored FALSE");
}

TEST_F(LinkageEditorTest, OddlyTypedOrMissingTriggerRepliesNeverFault) {
    const char* replies[] = {
        R"({"ack":"0","info":{"simp":{"A":5,"B":"99999999999"},"data":{"A":{"simp":{"x":true}},"B":7}}})",
        R"({"ack":"0","info":{"data":{"G":{"simp":[1,2],"name":{"n":1}}},"simp":"text"}})",
        R"({"ack":"0","info":"nothing"})",
        R"({"ack":"0"})",
        R"({"ack":"0","info":{"simp":null,"data":null}})",
    };
    // Far more groups and actions than a panel holds: the first get boxes.
    std::string many = R"({"ack":"0","info":{"data":{)";
    for (int g = 0; g < 60; ++g) {
        many += (g ? "," : "") + std::string(R"("G)") + std::to_string(100 + g) +
                R"(":{"simp":{"a":"TRUE","b":"FALSE","c":"FALSE"}})";
    }
    many += "}}}";
    Script("CMD_GetActionTrigger", many);
    editor_->Init();
    EXPECT_EQ(editor_->Groups().size(), 60u);
    EXPECT_NE(ById(editor_, ids::kLinkageGroupTitle + 29), nullptr);
    EXPECT_EQ(ById(editor_, ids::kLinkageGroupTitle + 30), nullptr);  // 90 actions: 30 groups
    EXPECT_NE(ById(editor_, ids::kLinkageAction + 89), nullptr);
    EXPECT_EQ(editor_->Record().objectParams.size(), 60u);  // all of it is sent back

    for (const char* reply : replies) {
        Script("CMD_GetActionTrigger", reply);
        editor_->Init();
        editor_->grab();
        for (const LinkageGroup& group : editor_->Groups()) {
            EXPECT_GE(group.slot, 0) << reply;
            EXPECT_LT(group.slot, static_cast<int>(editor_->Groups().size())) << reply;
        }
        // Without groups the panel still offers the rule batch.
        EXPECT_TRUE(ById(editor_, ids::kLinkageRuleBatch)->isVisible()) << reply;
    }
    EXPECT_TRUE(editor_->Groups().empty());
    EXPECT_EQ(ById(editor_, ids::kLinkageAction), nullptr);
}

}  // namespace
}  // namespace vexo::test
