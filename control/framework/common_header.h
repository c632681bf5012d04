#pragma once
// CCommonHeader: the 50-pixel band above every page with the two page-group
// buttons (analytics functions, normal arming), the analytics on/off switch
// and the export button. Its buttons report through the auto-generated
// controls' notifications; the header handles the owner-drawn button range.

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

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void CreateGroupButton(vexo::CAutoXpBtn& button, int index, const QString& text, int left,
                           int selected);
    void PlaceRightButtons();

    vexo::CAutoXpBtn smartFunction_;
    vexo::CAutoXpBtn normalArming_;
    vexo::CAutoXpBtn switch_;
    vexo::CAutoXpBtn export_;
    vexo::CComFont font_;
};
