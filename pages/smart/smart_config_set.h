#pragma once
// CSmartConfigSet (page 2): the rules of one analytics function on one
// scene. For now the page window with its title strip and video pane.

#include "video_page_dialog.h"

class CSmartConfigSet : public CVideoPageDialog {
    Q_OBJECT
public:
    static constexpr QSize kTemplateSize{1280, 670};
    explicit CSmartConfigSet(CAudioVideoPlay* session)
        : CVideoPageDialog(2, kTemplateSize, true, session) {}
};
