#pragma once
// CTimerSceneTourBody: the timer scene tour ("Scene RTC Tour"), rows of a
// scene active from a start hour to an end hour, on the week days ticked,
// while the mode is ON. A start or end hour is taken only when it falls
// strictly inside no other row's window and keeps the row's start before
// its end; a refused hour puts the choice back and says why.
//
// The hours offered run from 00:00 to 24:00 so that a window can reach
// the end of the day (the device takes "24:00").

#include "scene_tour_body_base.h"

class CTimerSceneTourBody : public CSceneTourBodyBase {
    Q_OBJECT
public:
    static constexpr int kStartChoiceId = 12650;
    static constexpr int kEndChoiceId = 12700;
    static constexpr int kModeChoiceId = 12750;
    static constexpr int kDayCheckId = 17700;  // Monday; Sunday 17706
    static constexpr int kEveryDayCheckId = 17707;
    static constexpr int kHourChoices = 25;

    CTimerSceneTourBody(CSmartXmlParse* context, const std::vector<SceneRecord>* scenes);
    ~CTimerSceneTourBody() override;

    void DestroyControls() override;
    bool OnNotify(const vexo::AutoNotification& notification) override;

    // A start or end choice changed (its identifier).
    void OnTimeChoice(int id);
    void OnModeChoice();
    void OnDayCheck(int day);

protected:
    void BuildRows() override;
    void StoreRows() override;
    std::vector<QString> RowEntryNames() const override;

private:
    std::vector<vexo::tour::TimeWindow> Windows() const;
    // Puts a time choice back on the hour the record holds.
    void ShowRowTime(vexo::CAutoComboBox& choice, const QString& time);
    void BuildModeAndDays();

    std::vector<std::unique_ptr<vexo::CAutoComboBox>> startChoices_;
    std::vector<std::unique_ptr<vexo::CAutoComboBox>> endChoices_;
    std::unique_ptr<vexo::CAutoComboBox> modeChoice_;
    std::vector<std::unique_ptr<vexo::CAutoBtnPush>> dayChecks_;  // 7 days, then "Every day"
};
