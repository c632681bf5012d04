#include "scene_set_ptz_controls.h"

#include <QEvent>
#include <QMouseEvent>

#include "audio_video_play.h"
#include "blocking_call.h"
#include "com_str.h"
#include "image_catalog.h"
#include "scene_set_body.h"
#include "scene_set_rules.h"
#include "smart_scene_set.h"
#include "tool_tip_help.h"
#include "vexonet.h"

namespace {

constexpr int kXpBase = 18000;
constexpr int kStaticBase = 15000;
// Where the rows and the pad sit, from the part's top-left corner.
constexpr QPoint kRowsOffset{470, 130};
constexpr QPoint kPadCentreOffset{880, 200};
constexpr int kRowStep = 36;
constexpr QSize kLensButton{30, 30};
constexpr int kSpeedSteps = 10;

using vexo::ComTexts;

struct LensRow {
    QString ComTexts::*label;
    int leftImages[2];
    int leftCommand;
    int rightImages[2];
    int rightCommand;
};
const LensRow kLensRows[3] = {
    {&ComTexts::aperture, {662, 663}, 5, {664, 665}, 4},
    {&ComTexts::focus, {666, 667}, 2, {668, 669}, 3},
    {&ComTexts::zoom, {670, 671}, 1, {672, 673}, 0},
};

}  // namespace

// Sees the pad's presses before the button does: the direction depends on
// where the press lands, not on which button it hits.
class CSceneSetBaseWithPtz::PadFilter : public QObject {
public:
    explicit PadFilter(CSceneSetBaseWithPtz& part) : part_(part) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                part_.PadPressed(mouse->position(), static_cast<QWidget*>(watched)->size());
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
                part_.PadReleased();
            }
        }
        return false;
    }

private:
    CSceneSetBaseWithPtz& part_;
};

// The pad's round face under the wedges. The wedges' shapes let presses on
// the hub and in the gaps between them through to it; it takes them (the
// pad filter has already started the move) so that they stop here.
class CSceneSetBaseWithPtz::PadFace : public QWidget {
public:
    PadFace(QWidget* parent, const QRect& rect) : QWidget(parent) {
        setGeometry(rect);
        setMask(QRegion(this->rect(), QRegion::Ellipse));
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent* event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { event->accept(); }
};

CSceneSetBaseWithPtz::CSceneSetBaseWithPtz() = default;

CSceneSetBaseWithPtz::~CSceneSetBaseWithPtz() {
    for (vexo::CAutoPngBtn& wedge : wedges_) {
        if (padFilter_ && wedge.Control()) {
            wedge.Control()->removeEventFilter(padFilter_.get());
        }
    }
    delete padFace_.data();
}

void CSceneSetBaseWithPtz::Create(QWidget* parent, QPoint origin) {
    origin_ = origin;
    CreatePad(parent);
    CreateLensRows(parent);
    CreateSpeedAndPreset(parent);
    CreateLockReason(parent);
}

void CSceneSetBaseWithPtz::CreateLockReason(QWidget* parent) {
    // Under the pad: the notice, then the reason on its own line.
    const QPoint centre = origin_ + kPadCentreOffset;
    const int half = vexo::ImageSizeById(700).height() / 2;
    lockReason_.Create(kLockReasonId, parent,
                       QRect(centre.x() - 140, centre.y() + half + 4, 280, 44));
    vexo::CBreakDownStatic* label = lockReason_.Control();
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->SetTextColor(QColor(0xD9, 0x53, 0x4F));
    lockReason_.Show(0);
}

void CSceneSetBaseWithPtz::SetLockRefusal(bool refused, const QString& reason) {
    const QString text =
        refused ? vexo::TheComStr().Texts().ptzLockRefused + QLatin1Char('\n') + reason : QString();
    if (refused == lockRefused_ &&
        (!lockReason_.Control() || lockReason_.Control()->text() == text)) {
        return;
    }
    lockRefused_ = refused;
    if (refused) {
        PadReleased();  // a move held while the lock went is stopped
    }
    const bool enabled = !refused;
    if (padFace_) {
        padFace_->setEnabled(enabled);
    }
    for (vexo::CAutoPngBtn& wedge : wedges_) {
        if (wedge.Control()) {
            wedge.Control()->setEnabled(enabled);
        }
    }
    for (vexo::CAutoXpBtn& button : lens_) {
        if (button.Control()) {
            button.Control()->setEnabled(enabled);
        }
    }
    for (vexo::CAutoComboBox* combo : {&panSpeed_, &tiltSpeed_, &preset_}) {
        if (combo->Control()) {
            combo->Control()->setEnabled(enabled);
        }
    }
    if (goToPreset_.Control()) {
        goToPreset_.Control()->setEnabled(enabled);
    }
    if (lockReason_.Control()) {
        lockReason_.Control()->setText(text);
    }
    lockReason_.Show(refused && shown_ ? 1 : 0);
}

void CSceneSetBaseWithPtz::CreatePad(QWidget* parent) {
    constexpr int kWedgeImages = 700;
    constexpr int kWedgePressedImages = 710;
    constexpr int kWedgeMasks = 720;
    const QSize size = vexo::ImageSizeById(kWedgeImages);
    const QPoint centre = origin_ + kPadCentreOffset;
    const QRect rect(centre - QPoint(size.width() / 2, size.height() / 2), size);
    padFilter_ = std::make_unique<PadFilter>(*this);
    // Created first, so that the wedges lie above it.
    padFace_ = new PadFace(parent, rect);
    padFace_->installEventFilter(padFilter_.get());
    padFace_->show();
    const QStringList directions = vexo::TheComStr()->ptzDirections.split(u'|');
    for (int wedge = 0; wedge < 8; ++wedge) {
        wedges_[wedge].Create(kPadId + wedge, parent, rect);
        vexo::Describe(wedges_[wedge].Control(), directions.value(wedge));
        wedges_[wedge].SetImages(kWedgeImages + wedge, kWedgePressedImages + wedge);
        wedges_[wedge].SetMask(kWedgeMasks + wedge, qRgb(255, 0, 255));
        wedges_[wedge].Control()->installEventFilter(padFilter_.get());
    }
}

void CSceneSetBaseWithPtz::CreateLensRows(QWidget* parent) {
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    const QStringList lensTips = texts.lensTips.split(u'|');
    const QPoint rows = origin_ + kRowsOffset;
    for (int row = 0; row < 3; ++row) {
        const LensRow& lens = kLensRows[row];
        const int y = rows.y() + row * kRowStep;
        vexo::CAutoXpBtn& left = lens_[row * 2];
        vexo::CAutoXpBtn& right = lens_[row * 2 + 1];
        left.Create(kXpBase + kLensFirstIndex + row * 2, parent,
                    QRect(QPoint(rows.x(), y), kLensButton));
        left.SetImages(lens.leftImages[0], lens.leftImages[1]);
        left.Control()->SetClickMode(vexo::CXPButton::kShowSelectedWhileHeld);
        left.Control()->SetPtzOwner(this, lens.leftCommand);
        vexo::Describe(left.Control(), lensTips.value(row * 2));
        labels_[row].Create(kStaticBase + 2 + row, parent, QRect(rows.x() + 36, y + 5, 70, 20),
                            vexo::kAutoStyleNone, texts.*(lens.label));
        labels_[row].Control()->setAlignment(Qt::AlignCenter);
        right.Create(kXpBase + kLensFirstIndex + row * 2 + 1, parent,
                     QRect(QPoint(rows.x() + 112, y), kLensButton));
        right.SetImages(lens.rightImages[0], lens.rightImages[1]);
        right.Control()->SetClickMode(vexo::CXPButton::kShowSelectedWhileHeld);
        right.Control()->SetPtzOwner(this, lens.rightCommand);
        vexo::Describe(right.Control(), lensTips.value(row * 2 + 1));
    }
}

void CSceneSetBaseWithPtz::CreateSpeedAndPreset(QWidget* parent) {
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    const QPoint rows = origin_ + kRowsOffset;
    const struct {
        vexo::CAutoComboBox* combo;
        int id;
        const QString* label;
    } speeds[2] = {{&panSpeed_, kPanSpeedId, &texts.panSpeed},
                   {&tiltSpeed_, kTiltSpeedId, &texts.tiltSpeed}};
    int row = 3;
    for (const auto& speed : speeds) {
        const int y = rows.y() + row * kRowStep;
        labels_[row].Create(kStaticBase + 2 + row, parent, QRect(rows.x(), y + 4, 90, 20),
                            vexo::kAutoStyleNone, *speed.label);
        speed.combo->Create(speed.id, parent, QRect(rows.x() + 95, y, 110, 26));
        for (int step = 1; step <= kSpeedSteps; ++step) {
            if (step == 1) {
                speed.combo->AddString(QStringLiteral("%1(%2)").arg(step).arg(texts.slow));
            } else if (step == kSpeedSteps) {
                speed.combo->AddString(QStringLiteral("%1(%2)").arg(step).arg(texts.fast));
            } else {
                speed.combo->AddString(QString::number(step));
            }
        }
        // The middle of the range: "6".
        speed.combo->SetCurSel(5);
        ++row;
    }
    const int y = rows.y() + row * kRowStep;
    labels_[row].Create(kStaticBase + 2 + row, parent, QRect(rows.x(), y + 4, 90, 20),
                        vexo::kAutoStyleNone, texts.preset);
    preset_.Create(kPresetId, parent, QRect(rows.x() + 95, y, 110, 26));
    for (int number = 1; number <= kPresetCount; ++number) {
        preset_.AddString(QString::number(number));
    }
    preset_.SetCurSel(0);
    goToPreset_.Create(kXpBase + kGoToPresetIndex, parent, QRect(rows.x() + 212, y, 26, 26));
    goToPreset_.SetImages(658, 660);
    vexo::Describe(goToPreset_.Control(), vexo::TheComStr()->goToPresetTip);
}

void CSceneSetBaseWithPtz::Show(bool show) {
    const int visible = show ? 1 : 0;
    shown_ = show;
    lockReason_.Show(show && lockRefused_ ? 1 : 0);
    if (padFace_) {
        padFace_->setVisible(show);
    }
    for (auto& wedge : wedges_) {
        wedge.Show(visible);
    }
    for (auto& label : labels_) {
        label.Show(visible);
    }
    for (auto& button : lens_) {
        button.Show(visible);
    }
    panSpeed_.Show(visible);
    tiltSpeed_.Show(visible);
    preset_.Show(visible);
    goToPreset_.Show(visible);
}

bool CSceneSetBaseWithPtz::OnCommand(int offset) {
    if (offset == kGoToPresetIndex) {
        if (lockRefused_) {
            return true;
        }
        SendPtz(kGoToPresetCommand, Preset(), 6, 0);
        return true;
    }
    return false;
}

void CSceneSetBaseWithPtz::StartPtzCommand(int command) {
    if (lockRefused_) {
        return;  // the dome is someone else's
    }
    SendPtz(command, PanSpeed(), TiltSpeed(), 0);
}

void CSceneSetBaseWithPtz::StopPtzCommand(int command) {
    SendPtz(command, 0, 0, 1);
}

void CSceneSetBaseWithPtz::PadPressed(QPointF pos, QSize padSize) {
    if (padCommand_ >= 0) {
        PadReleased();  // a second press without a release: stop the first
    }
    if (lockRefused_) {
        return;
    }
    const double angle =
        sceneset::PadAngle(padSize.width() / 2, padSize.height() / 2, pos.x(), pos.y());
    padCommand_ = sceneset::DirectionOfAngle(angle);
    StartPtzCommand(padCommand_);
}

void CSceneSetBaseWithPtz::PadReleased() {
    if (padCommand_ >= 0) {
        StopPtzCommand(padCommand_);
        padCommand_ = -1;
    }
}

bool CSceneSetBaseWithPtz::SendPtz(int command, int param1, int param2, int stop) {
    CAudioVideoPlay* session = Page() ? Page()->Body().Session() : nullptr;
    const int32_t login = session ? session->LoginId() : -1;
    // One round trip to the device: the UI thread keeps its window alive.
    int result = 0;
    vexo::RunBlockingCall(
        [&] { result = VEXONET_PTZControl(login, 0, command, param1, param2, stop); });
    return result == 1;  // failed movements are silent
}
