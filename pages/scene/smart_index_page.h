#pragma once
// CSmartIndexPage (page 0): the scene list. The scene tiles, the header
// strip and the tours are built into it by its parts; for now it is the
// page window with its title strip, rebuilt from the manager's scenes.

#include <QStringList>

#include "page_dialog.h"

class CAudioVideoPlay;

class CSmartIndexPage : public CPageDialog {
    Q_OBJECT
public:
    static constexpr QSize kTemplateSize{1280, 670};

    explicit CSmartIndexPage(CAudioVideoPlay* session);

    // Back to the first scene position; the scene names are taken again
    // from the manager.
    void Rebuild() override;
    int ScenePosition() const { return scenePosition_; }
    const QStringList& SceneNames() const { return sceneNames_; }

protected:
    void OnInitDialog() override { Rebuild(); }

private:
    CAudioVideoPlay* session_;  // not owned
    int scenePosition_ = 0;
    QStringList sceneNames_;
};
