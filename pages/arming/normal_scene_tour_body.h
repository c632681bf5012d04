#pragma once
// CNormalSceneTourBody: the normal scene tour ("Scene Tour"), rows of a
// scene held for a stay time, with a clear flag. A double click on a stay
// time opens an edit box over it; the typed time is taken when it lies in
// the range the device gives for "StayTime", otherwise "out of range" and
// the range are shown and the old time stays.

#include <map>
#include <optional>

class QPainter;

#include "scene_tour_body_base.h"

class CNormalSceneTourBody : public CSceneTourBodyBase {
    Q_OBJECT
public:
    static constexpr int kStayTimeCellId = 15600;
    static constexpr int kStayTimeEditId = 13600;
    static constexpr int kClearFlagId = 17600;

    CNormalSceneTourBody(CSmartXmlParse* context, const std::vector<SceneRecord>* scenes);
    ~CNormalSceneTourBody() override;

    void DestroyControls() override;
    bool OnNotify(const vexo::AutoNotification& notification) override;

    void OnStayTimeEdit(int row);
    void OnStayTimeDone();
    void OnClearFlag(int row);
    // The boxes behind the stay time cells, on the page.
    void PaintCells(QPainter& painter) const;

    int EditedRow() const { return editedRow_; }
    const std::optional<vexo::tour::StayRange>& StayRange() const { return stayRange_; }

protected:
    void LoadExtras() override;
    void BuildRows() override;
    std::vector<QString> RowEntryNames() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::vector<std::unique_ptr<vexo::CAutoStatic>> stayCells_;
    std::vector<std::unique_ptr<vexo::CAutoBtnPush>> clearFlags_;
    std::unique_ptr<vexo::CAutoEdit> stayEdit_;
    std::map<QString, ParamRange> ranges_;
    std::optional<vexo::tour::StayRange> stayRange_;
    int editedRow_ = -1;
};
