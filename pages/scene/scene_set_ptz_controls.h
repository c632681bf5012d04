#pragma once
// CSceneSetBaseWithPtz: the PTZ controls that the PTZ panel and the
// auto-tracking part share: the eight-way direction pad, the aperture,
// focus and zoom buttons (held: the lens moves; released: it stops), the
// pan and tilt speeds and the presets with their go-to button.
//
// Every movement goes straight to the network library on the login of the
// page's video session. A movement the device does not take is silent: the
// library's last error is fetched and nothing is shown, so a dome that
// stutters never buries the operator in messages.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <array>
#include <memory>

#include "auto_controls.h"
#include "dlg_part_base.h"
#include "ptz_command_target.h"

class QWidget;

class CSceneSetBaseWithPtz : public CSceneSetBase, public vexo::PtzCommandTarget {
public:
    // The pad's eight wedges, from up clockwise: 21000 to 21007. Each covers
    // the whole pad and is cut to its wedge by a mask. Under them lies the
    // pad's round face, which takes the presses that land on the hub or
    // between two wedges: every press on the pad moves the dome.
    static constexpr int kPadId = 21000;
    static constexpr int kPanSpeedId = 12000 + 1;
    static constexpr int kTiltSpeedId = 12000 + 2;
    static constexpr int kPresetId = 12000 + 3;
    static constexpr int kGoToPresetIndex = 127;
    // Aperture, focus and zoom buttons: left and right of each row.
    static constexpr int kLensFirstIndex = 110;
    static constexpr int kPresetCount = 250;
    static constexpr int kGoToPresetCommand = 15;
    // The device's reason beside the pad while it refuses the PTZ lock.
    static constexpr int kLockReasonId = 15000 + 9;

    CSceneSetBaseWithPtz();
    ~CSceneSetBaseWithPtz() override;

    // Creates the controls in `parent`, placed from the part's top-left
    // corner `origin` (page pixels).
    virtual void Create(QWidget* parent, QPoint origin);
    virtual void Show(bool show);
    // The part's owner-drawn buttons; true when handled.
    virtual bool OnCommand(int offset);
    // The PTZ controls hold no device state that could go stale (speeds and
    // presets are read when a command is sent), so there is nothing to do.
    virtual void PeriodicUpdate() {}
    // While the device refuses the PTZ lock (`refused`), every PTZ control
    // is disabled and `reason` shows beside the pad; otherwise they work.
    void SetLockRefusal(bool refused, const QString& reason);
    bool LockRefused() const { return lockRefused_; }

    // PtzCommandTarget: held lens buttons and the pad.
    void StartPtzCommand(int command) override;
    void StopPtzCommand(int command) override;

    // A left press on the pad at `pos` (pad pixels) starts the direction
    // of its angle from the pad's centre, whichever wedge (or the face
    // between them) took it: the wedges only show where the directions lie.
    // The release stops it.
    void PadPressed(QPointF pos, QSize padSize);
    void PadReleased();

    int PanSpeed() const { return panSpeed_.GetCurSel() + 1; }
    int TiltSpeed() const { return tiltSpeed_.GetCurSel() + 1; }
    int Preset() const { return preset_.GetCurSel() + 1; }

protected:
    // One call of the network library; false when the device refused.
    bool SendPtz(int command, int param1, int param2, int stop);
    QPoint origin_;

private:
    class PadFilter;
    class PadFace;
    void CreatePad(QWidget* parent);
    void CreateLensRows(QWidget* parent);
    void CreateSpeedAndPreset(QWidget* parent);
    void CreateLockReason(QWidget* parent);

    std::unique_ptr<PadFilter> padFilter_;
    QPointer<QWidget> padFace_;
    std::array<vexo::CAutoPngBtn, 8> wedges_;
    int padCommand_ = -1;  // the direction held on the pad, -1 when none
    bool lockRefused_ = false;
    bool shown_ = true;
    vexo::CAutoStatic lockReason_;
    std::array<vexo::CAutoStatic, 6> labels_;
    std::array<vexo::CAutoXpBtn, 6> lens_;
    vexo::CAutoComboBox panSpeed_;
    vexo::CAutoComboBox tiltSpeed_;
    vexo::CAutoComboBox preset_;
    vexo::CAutoXpBtn goToPreset_;
};
