#include "common_header.h"

#include <QMouseEvent>
#include <QPainter>

#include "com_str.h"
#include "dialog_manager.h"
#include "page_layout.h"
#include "popup_forms.h"
#include "tool_tip_help.h"
#include "ui_helpers.h"

namespace {

constexpr vexo::COLORREF kHeaderBackground = 0xE3E3E6;
constexpr int kXpBase = 18000;
constexpr int kRightMargin = 10;
constexpr int kRightTop = 6;
constexpr QSize kSwitchSize(130, 36);
constexpr QSize kExportSize(150, 36);
constexpr QSize kNoticeSize(900, 60);
constexpr int kNoticeTop = 120;  // below the band, where a page's title strip would end

// Page-group buttons carry the wide pictures when the text needs them.
struct GroupLook {
    int normal;
    int selected;
    QSize size;
};
GroupLook GroupLookFor(const QString& text) {
    if (text.size() > 10) {
        return {686, 687, QSize(150, 50)};
    }
    return {677, 678, QSize(100, 50)};
}

}  // namespace

CCommonHeader::CCommonHeader(QWidget* parent) : QWidget(parent), font_(vexo::kHeaderFont) {
    resize(kTemplateWidth, vexo::kHeaderBandHeight);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CCommonHeader::~CCommonHeader() = default;

void CCommonHeader::CreateGroupButton(vexo::CAutoXpBtn& button, int index, const QString& text,
                                      int left, int selected) {
    const GroupLook look = GroupLookFor(text);
    button.Create(kXpBase + index, this, QRect(QPoint(left, 0), look.size), vexo::kAutoStyleNone,
                  text);
    button.SetImages(look.normal, look.selected);
    button.Control()->setFont(font_);
    button.Control()->SetSelected(selected);
}

void CCommonHeader::Create(CDialogManager* manager) {
    SetManager(manager);
    InitDialogBase(this);
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    CreateGroupButton(smartFunction_, kSmartFunctionIndex, texts.smartFunction, 0, 1);
    CreateGroupButton(normalArming_, kNormalArmingIndex, texts.normalArming,
                      smartFunction_.Rect().right() + 1, 0);

    switch_.Create(kXpBase + kSwitchIndex, this, QRect(QPoint(0, kRightTop), kSwitchSize),
                   vexo::kAutoStyleNone, texts.smartSwitch);
    switch_.SetImages(249, 250);
    switch_.Control()->setFont(vexo::ModuleFirstFont());
    switch_.Control()->SetTextOffset(10, 0);  // clear of the status lamp
    // The switch shows the status the next click asks for.
    switch_.Control()->SetSelected(manager != nullptr && manager->SmartStatus() == 0 ? 1 : 0);

    export_.Create(kXpBase + kExportIndex, this, QRect(QPoint(0, kRightTop), kExportSize),
                   vexo::kAutoStyleNone, texts.exportConfig);
    export_.SetImages(542, 541);
    export_.Control()->setFont(font_);
    PlaceRightButtons();
    vexo::Describe(smartFunction_.Control(), texts.smartFunctionTip);
    vexo::Describe(normalArming_.Control(), texts.normalArmingTip);
    vexo::Describe(switch_.Control(), texts.smartSwitchTip);
    vexo::Describe(export_.Control(), texts.exportTip);

    // The notice belongs to the area under the band, so it lives in the
    // header's parent (the control's window).
    if (QWidget* area = parentWidget()) {
        notice_.Create(kSmartOffNoticeId, area, QRect(QPoint(0, 0), kNoticeSize),
                       vexo::kAutoStyleNone, texts.smartOffNotice);
        QLabel* label = notice_.Control();
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        label->setFont(font_);
    }
    UpdateSmartOffNotice();
}

void CCommonHeader::UpdateSmartOffNotice() {
    QLabel* label = notice_.Control();
    if (label == nullptr || label->parentWidget() == nullptr) {
        return;
    }
    // The switch shows 1 while the analytics are off.
    const bool off = switch_.Control() != nullptr && switch_.Control()->GetSelected() != 0;
    const bool smartGroup =
        smartFunction_.Control() != nullptr && smartFunction_.Control()->GetSelected() != 0;
    const QRect area = label->parentWidget()->rect();
    label->move(area.left() + (area.width() - label->width()) / 2, area.top() + kNoticeTop);
    notice_.Show(off && smartGroup ? 1 : 0);
    if (off && smartGroup) {
        label->raise();
    }
}

void CCommonHeader::ToggleAnalytics() {
    CDialogManager* manager = Manager();
    vexo::CXPButton* button = switch_.Control();
    const int wanted = button->GetSelected();
    if (wanted == 0) {
        // Below the switch, so the question opens next to what was clicked.
        const QPoint at = button->mapToGlobal(QPoint(button->width(), button->height()));
        if (!vexo::Confirm(at.x() - 300, at.y() + 4, vexo::kPopupSmartOff)) {
            return;
        }
    }
    // A refusal leaves switch and pages as they are, silently.
    if (manager->DeviceContext().SetSmartStatus(wanted)) {
        manager->Refresh();
        button->SetSelected(wanted ? 0 : 1);
        UpdateSmartOffNotice();
    }
}

void CCommonHeader::PlaceRightButtons() {
    const int right = m_rect.left() + m_rect.width() - kRightMargin;
    const int top = m_rect.top() + kRightTop;
    if (QWidget* button = switch_.Control()) {
        button->move(right - button->width(), top);
        if (QWidget* exportButton = export_.Control()) {
            exportButton->move(button->x() - exportButton->width(), top);
        }
    }
}

void CCommonHeader::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    InitDialogBase(this);
    PlaceRightButtons();
    UpdateSmartOffNotice();
}

void CCommonHeader::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), vexo::ColorFromRef(kHeaderBackground));
}

// Clicks on the band are the header's, not the control's stock events.
void CCommonHeader::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

bool CCommonHeader::OnAutoNotify(const vexo::AutoNotification& notification) {
    if (notification.code != vexo::AutoNotify::Clicked ||
        !vexo::IsInAutoRange(notification.id, kXpBase)) {
        return false;
    }
    OnCommand(notification.id - kXpBase);
    return true;
}

void CCommonHeader::OnCommand(int index) {
    CDialogManager* manager = Manager();
    if (manager == nullptr) {
        return;
    }
    CSmartXmlParse& context = manager->DeviceContext();
    switch (index) {
        case kSwitchIndex:
            ToggleAnalytics();
            break;
        case kSmartFunctionIndex: {
            // Only a way back from the normal arming group restores the token
            // saved on the way there; a click within the smart group keeps the
            // scene the operator is on.
            const bool fromNormalArming = normalArming_.Control()->GetSelected() != 0;
            if (fromNormalArming && !manager->ConfirmLeaveShownPage()) {
                break;
            }
            normalArming_.Control()->SetSelected(0);
            smartFunction_.Control()->SetSelected(1);
            manager->ShowPage(manager->CurrentPage());
            if (fromNormalArming) {
                context.SetReferenceScene(QString(), manager->ArmingSceneToken());
            }
            switch_.Show(1);
            UpdateSmartOffNotice();
            break;
        }
        case kNormalArmingIndex:
            // The page is read again even when it is shown: ask first.
            if (!manager->ConfirmLeaveShownPage()) {
                break;
            }
            normalArming_.Control()->SetSelected(1);
            smartFunction_.Control()->SetSelected(0);
            manager->ShowPage(3);
            context.SetReferenceScene(QString(), QString::fromLatin1(kNormalAlarmOwnerToken));
            manager->ReloadNormalArming();
            switch_.Show(0);
            UpdateSmartOffNotice();
            break;
        case kExportIndex:
            manager->ExportBatchConfig();
            break;
        default:
            break;
    }
}
