#pragma once
// CCommonHeader: the 50-pixel band above every page with the two page-group
// buttons (analytics functions, normal arming), the analytics on/off switch
// and the export button. Its buttons report through the auto-generated
// controls' notifications; the header handles the owner-drawn button range.
//
// Turning the analytics off stops every rule, so the switch asks first.
// While they are off the analytics pages stay hidden; in their place, under
// the band, the header shows a notice that says so and how to turn them on.

#include <QWidget>

#include "auto_controls.h"
#include "auto_notification.h"
#include "com_font.h"
#include "dlg_base.h"

class CCommonHeader : public QWidget, public CDlgBase, public vexo::AutoCommandTarget {
    Q_OBJECT
public:
    // Button indexes (command identifier minus the owner-drawn base).
    static constexpr int kSwitchIndex = 3;
    static constexpr int kSmartFunctionIndex = 6;
    static constexpr int kNormalArmingIndex = 7;
    static constexpr int kExportIndex = 8;
    static constexpr int kTemplateWidth = 1280;
    // The notice shown under the band while the analytics are off.
    static constexpr int kSmartOffNoticeId = 15000 + 40;

    explicit CCommonHeader(QWidget* parent = nullptr);
    ~CCommonHeader() override;

    // Dialog initialisation: creates and places the four buttons.
    void Create(CDialogManager* manager);

    // Runs the command of button `index`; other indexes are ignored.
    void OnCommand(int index);
    bool OnAutoNotify(const vexo::AutoNotification& notification) override;

    vexo::CAutoXpBtn& SmartFunctionButton() { return smartFunction_; }
    vexo::CAutoXpBtn& NormalArmingButton() { return normalArming_; }
    vexo::CAutoXpBtn& SwitchButton() { return switch_; }
    vexo::CAutoXpBtn& ExportButton() { return export_; }
    vexo::CAutoStatic& SmartOffNotice() { return notice_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void CreateGroupButton(vexo::CAutoXpBtn& button, int index, const QString& text, int left,
                           int selected);
    void PlaceRightButtons();
    // The analytics switch's click: asks before turning them off.
    void ToggleAnalytics();
    // Shows the notice while the analytics are off and their group is
    // chosen, centred in the area under the band.
    void UpdateSmartOffNotice();

    vexo::CAutoXpBtn smartFunction_;
    vexo::CAutoXpBtn normalArming_;
    vexo::CAutoXpBtn switch_;
    vexo::CAutoXpBtn export_;
    vexo::CAutoStatic notice_;
    vexo::CComFont font_;
};
