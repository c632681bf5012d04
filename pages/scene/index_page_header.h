#pragma once
// CIndexPageHeader: the index page's own strip of buttons on its title
// band. On the left the three modes: the scene view (18000), the abnormal
// sound view (18001) and the scene tour view (18002); on the right the add
// scene button (18005), the analytics switch (18003, shown never: the
// common header carries the working one) and help (18004, hidden).
//
// Which buttons show:
// - the tour button when the UI description's multi-scene capability
//   "TourScene" is "ON" or "on"; the add scene button likewise with
//   "AddScene" (and only in the scene view);
// - the sound button when some scene of the device supports the sound
//   check ("zelk:Abnormal_Sound_Event"); otherwise the tour button takes
//   its place.

#include "auto_controls.h"
#include "com_font.h"
#include "dlg_part_base.h"

class CIndexPageHeader : public CIndexPageBase {
public:
    static constexpr int kXpBase = 18000;
    enum Index {
        kSceneView = 0,
        kSoundView = 1,
        kTourView = 2,
        kSwitch = 3,
        kHelp = 4,
        kAddScene = 5
    };

    CIndexPageHeader();
    ~CIndexPageHeader() override;

    // Creates the six buttons in `parent`, `width` pixels wide.
    void Create(CDialogManager* manager, QWidget* parent, int width);
    // Moves the right-hand buttons for a new width.
    void Layout(int width);
    // Shows the buttons of what the device now offers: the sound view when
    // some scene has the sound check, the tours and add scene by the UI
    // description's capabilities. The manager's function lists are read
    // again after the analytics are switched on, so the strip follows them.
    void Offer(CDialogManager* manager);
    // A mode button (0 to 2): selects it and shows or hides add scene.
    // True for the strip's own indexes 0 to 4 (5 is the page's).
    bool OnCommand(int index);

    int Mode() const { return mode_; }
    vexo::CAutoXpBtn& Button(Index index) { return buttons_[index]; }

private:
    int mode_ = 0;
    bool addSceneOffered_ = false;
    vexo::CAutoXpBtn buttons_[6];
    vexo::CComFont stripFont_;
};
