#include "video_page_dialog.h"

CVideoPageDialog::CVideoPageDialog(int pageNumber, QSize templateSize, bool titleBand,
                                   CAudioVideoPlay* session)
    : CPageDialog(pageNumber, templateSize, titleBand), pane_(session) {}

void CVideoPageDialog::SetDeviceInfo(const QString& address, const QString& user,
                                     const QString& password, int streamSelector) {
    pane_.SetDeviceInfo(address, user, password, streamSelector);
}

void CVideoPageDialog::OnInitDialog() {
    pane_.SetParentWnd(this);
    pane_.CreateVideoWindow(kVideoRect);
    pane_.CreateButtons();
}

void CVideoPageDialog::OnTimer(int id) {
    if (id == kPageTimer) {
        KillTimer(kPageTimer);
        pane_.StartPreview();
    }
}

bool CVideoPageDialog::OnCommand(int offset) {
    return pane_.OnButton(offset);
}
