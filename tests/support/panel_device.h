#pragma once
// A device context logged into a simulated device, reading the simulator's
// own UI description and texts, for tests, benchmarks and the gallery that
// build parameter panels from what the device holds.

#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <vector>

#include "audio_video_play.h"
#include "command_records.h"
#include "smart_ui_engine.h"
#include "smart_xml_parse.h"

namespace vexo::test {

// The owners the UI description names, in document order.
struct DescriptionOwners {
    QStringList rules;
    QStringList modules;
    QStringList normalAlarms;
    QStringList nonScenes;
};
DescriptionOwners ReadDescriptionOwners(const QString& uiPath);

// A rule on the device: the scene it lives on, its function and token.
struct RuleRef {
    QString scene;
    QString fun;
    QString token;
};

// Everything one rule's panel holds: the rule, its modules, its non-scene
// functions.
struct RulePanelRecords {
    ParamRecord rule;
    std::map<QString, ParamRecord> modules;
    std::map<QString, ParamRecord> nonScenes;
};

class PanelDevice {
public:
    PanelDevice();
    ~PanelDevice();
    // Logs in and points the context at the simulator's files.
    bool Connect(const std::string& address, const char* user, const char* password);
    CSmartXmlParse& Parse() { return parse_; }
    const DescriptionOwners& Owners() const { return owners_; }

    // One rule per rule function the description names: an existing one,
    // or one added on a scene that supports the function.
    std::vector<RuleRef> Rules();

    // Reads the rule's records and builds the whole panel (rule, modules,
    // non-scene functions) into `engine`, after Clear. Returns the rows.
    ParamRows BuildRulePanel(CSmartUiEngine& engine, const RuleRef& rule,
                             RulePanelRecords& records);

private:
    std::unique_ptr<CAudioVideoPlay> session_;
    CSmartXmlParse parse_;
    DescriptionOwners owners_;
};

}  // namespace vexo::test
