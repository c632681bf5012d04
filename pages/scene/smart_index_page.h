#pragma once
// CSmartIndexPage (page 0): the first page after a login. Its header strip
// chooses one of three views: the scene tiles (CIndexPageSceneBody), the
// abnormal sound view (CAbnormalSoundBody) and the scene tours
// (CSceneTourPlayBody). The page routes every control notification to its
// parts, each acting only on its own identifiers, and runs Add Scene.
//
// Commands run from the event loop, not inside the clicked button's own
// signal: a delete rebuilds the tiles and with them the button pressed.

#include <memory>

#include "abnormal_sound_body.h"
#include "index_page_header.h"
#include "index_page_scene_body.h"
#include "page_dialog.h"
#include "scene_tour_play_body.h"

class CAudioVideoPlay;

class CSmartIndexPage : public CPageDialog {
    Q_OBJECT
public:
    static constexpr QSize kTemplateSize{1280, 670};
    static constexpr int kSoundTimer = 1000;
    static constexpr int kSoundTimerDelayMs = 200;

    explicit CSmartIndexPage(CAudioVideoPlay* session);
    ~CSmartIndexPage() override;

    // The scene view again from the manager's data (on the page of the
    // current scene), and the tours when they are shown.
    void Rebuild() override;
    bool OnAutoNotify(const vexo::AutoNotification& notification) override;

    // Add Scene: a scene named from the clock, opened in the scene
    // settings page. True when the device created it.
    bool AddScene();

    CIndexPageHeader& Header() { return header_; }
    CIndexPageSceneBody& SceneBody() { return sceneBody_; }
    CAbnormalSoundBody& SoundBody() { return soundBody_; }
    CSceneTourPlayBody& TourBody() { return *tourBody_; }

protected:
    void OnInitDialog() override;
    void OnTimer(int id) override;
    bool OnCommand(int offset) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void RunCommand(int offset);
    void ChangeMode(int mode);
    void LayoutParts();

    CIndexPageHeader header_;
    CIndexPageSceneBody sceneBody_;
    CAbnormalSoundBody soundBody_;
    std::unique_ptr<CSceneTourPlayBody> tourBody_;
};
