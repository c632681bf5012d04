#pragma once
// CSceneTourPlayBody: the tour area of the index page. Two buttons choose
// the normal tour ("Scene Tour", 18060) or the timer tour ("Scene RTC
// Tour", 18061); each switch reads the chosen tour from the device again,
// so unsaved edits of the other tour are dropped. "Save" (18062) sends the
// shown tour. A new area (the window was resized) only lays the shown tour
// out again: its unsaved edits stay.

#include <QRect>

#include "normal_scene_tour_body.h"
#include "timer_scene_tour_body.h"

class QPainter;

class CSceneTourPlayBody : public CIndexPageBase {
public:
    static constexpr int kXpBase = 18000;
    static constexpr int kNormalTourIndex = 60;
    static constexpr int kTimerTourIndex = 61;
    static constexpr int kSaveIndex = 62;
    enum class Kind { Normal, Timer };

    CSceneTourPlayBody(CSmartXmlParse* context, const std::vector<SceneRecord>* scenes);
    ~CSceneTourPlayBody() override;

    // The area of the page the tours use; moves the shown tour's controls
    // without reading it again.
    void SetArea(QWidget* parent, const QRect& area);
    // Shows the area with the normal tour (true) or removes its controls.
    void Show(bool shown);
    // Re-reads the tour shown (after the scene list changed).
    void Rebuild();
    // Owner-drawn button `index`; true when it is one of the area's.
    bool OnCommand(int index);
    // Row control notifications of the shown tour.
    bool OnNotify(const vexo::AutoNotification& notification);
    void Paint(QPainter& painter) const;

    Kind ShownKind() const { return kind_; }
    bool IsShown() const { return shown_; }
    CNormalSceneTourBody& NormalTour() { return normal_; }
    CTimerSceneTourBody& TimerTour() { return timer_; }

private:
    void ShowKind(Kind kind);
    void PlaceButtons();
    CSceneTourBodyBase& Current();
    QRect RowsArea() const;

    CNormalSceneTourBody normal_;
    CTimerSceneTourBody timer_;
    vexo::CAutoXpBtn normalButton_;
    vexo::CAutoXpBtn timerButton_;
    vexo::CAutoXpBtn saveButton_;
    QWidget* parent_ = nullptr;
    Kind kind_ = Kind::Normal;
    bool shown_ = false;
};
