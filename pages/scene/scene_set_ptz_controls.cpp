#include "scene_set_ptz_controls.h"

#include <QEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "audio_video_play.h"
#include "com_str.h"
#include "scene_set_body.h"
#include "scene_set_rules.h"
#include "smart_scene_set.h"
#include "vexonet.h"

namespace {

constexpr int kXpBase = 18000;
constexpr int kStaticBase = 15000;
// Where the rows and the pad sit, from the part's top-left corner.
constexpr QPoint kRowsOffset{470, 130};
constexpr QPoint kPadCentreOffset{880, 200};
constexpr int kPadDiameter = 160;
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

// The pad's picture: a disc with an arrow in each of the eight directions.
QImage PadImage(bool pressed) {
    QImage image(kPadDiameter, kPadDiameter, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(kPadDiameter / 2.0, kPadDiameter / 2.0);
    painter.setPen(QPen(QColor(0x9a, 0xa3, 0xb0), 2));
    painter.setBrush(pressed ? QColor(0xd5, 0xdc, 0xe6) : QColor(0xe9, 0xed, 0xf2));
    painter.drawEllipse(centre, kPadDiameter / 2.0 - 2, kPadDiameter / 2.0 - 2);
    painter.setBrush(QColor(0xf6, 0xf6, 0xf9));
    painter.drawEllipse(centre, 24, 24);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x22, 0x67, 0xAE));
    for (int k = 0; k < 8; ++k) {
        const double a = k * std::numbers::pi / 4;
        const QPointF dir(std::cos(a), -std::sin(a));
        const QPointF normal(-dir.y(), dir.x());
        const QPointF tip = centre + dir * 66.0;
        const QPointF base = centre + dir * 50.0;
        QPainterPath arrow;
        arrow.moveTo(tip);
        arrow.lineTo(base + normal * 9.0);
        arrow.lineTo(base - normal * 9.0);
        arrow.closeSubpath();
        painter.drawPath(arrow);
    }
    return image;
}

// The pad's shape: the disc only, so presses at its corners fall through.
QImage PadMask() {
    QImage mask(kPadDiameter, kPadDiameter, QImage::Format_RGB32);
    mask.fill(Qt::white);
    QPainter painter(&mask);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(0, 0, kPadDiameter, kPadDiameter));
    return mask;
}

}  // namespace

// Sees the pad's presses before the button does: the direction depends on
// where the press lands, not on which button it hits.
class CSceneSetBaseWithPtz::PadFilter : public QObject {
public:
    explicit PadFilter(CSceneSetBaseWithPtz& part) : part_(part) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton) {
                part_.PadPressed(mouse->position());
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

CSceneSetBaseWithPtz::CSceneSetBaseWithPtz() = default;

CSceneSetBaseWithPtz::~CSceneSetBaseWithPtz() {
    if (padFilter_ && pad_.Control()) {
        pad_.Control()->removeEventFilter(padFilter_.get());
    }
}

void CSceneSetBaseWithPtz::Create(QWidget* parent, QPoint origin) {
    origin_ = origin;
    CreatePad(parent);
    CreateLensRows(parent);
    CreateSpeedAndPreset(parent);
}

void CSceneSetBaseWithPtz::CreatePad(QWidget* parent) {
    const QPoint centre = origin_ + kPadCentreOffset;
    const int radius = kPadDiameter / 2;
    pad_.Create(kPadId, parent,
                QRect(centre - QPoint(radius, radius), QSize(kPadDiameter, kPadDiameter)));
    vexo::CGdipButton* pad = pad_.Control();
    pad->SetImages(PadImage(false), PadImage(false), PadImage(true));
    pad->SetMask(PadMask(), qRgb(255, 255, 255));
    padFilter_ = std::make_unique<PadFilter>(*this);
    pad->installEventFilter(padFilter_.get());
}

void CSceneSetBaseWithPtz::CreateLensRows(QWidget* parent) {
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    const QPoint rows = origin_ + kRowsOffset;
    for (int row = 0; row < 3; ++row) {
        const LensRow& spec = kLensRows[row];
        const int y = rows.y() + row * kRowStep;
        vexo::CAutoXpBtn& left = lens_[row * 2];
        vexo::CAutoXpBtn& right = lens_[row * 2 + 1];
        left.Create(kXpBase + kLensFirstIndex + row * 2, parent,
                    QRect(QPoint(rows.x(), y), kLensButton));
        left.SetImages(spec.leftImages[0], spec.leftImages[1]);
        left.Control()->SetClickMode(vexo::CXPButton::kShowSelectedWhileHeld);
        left.Control()->SetPtzOwner(this, spec.leftCommand);
        labels_[row].Create(kStaticBase + 2 + row, parent, QRect(rows.x() + 36, y + 5, 70, 20),
                            vexo::kAutoStyleNone, texts.*(spec.label));
        labels_[row].Control()->setAlignment(Qt::AlignCenter);
        right.Create(kXpBase + kLensFirstIndex + row * 2 + 1, parent,
                     QRect(QPoint(rows.x() + 112, y), kLensButton));
        right.SetImages(spec.rightImages[0], spec.rightImages[1]);
        right.Control()->SetClickMode(vexo::CXPButton::kShowSelectedWhileHeld);
        right.Control()->SetPtzOwner(this, spec.rightCommand);
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
}

void CSceneSetBaseWithPtz::Show(bool show) {
    const int visible = show ? 1 : 0;
    pad_.Show(visible);
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
        SendPtz(kGoToPresetCommand, Preset(), 6, 0);
        return true;
    }
    return false;
}

void CSceneSetBaseWithPtz::StartPtzCommand(int command) {
    SendPtz(command, PanSpeed(), TiltSpeed(), 0);
}

void CSceneSetBaseWithPtz::StopPtzCommand(int command) {
    SendPtz(command, 0, 0, 1);
}

void CSceneSetBaseWithPtz::PadPressed(QPointF pos) {
    const QWidget* pad = pad_.Control();
    if (pad == nullptr) {
        return;
    }
    if (padCommand_ >= 0) {
        PadReleased();  // a second press without a release: stop the first
    }
    const double angle = sceneset::PadAngle(pad->width() / 2, pad->height() / 2, pos.x(), pos.y());
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
    if (VEXONET_PTZControl(login, 0, command, param1, param2, stop) == 1) {
        return true;
    }
    (void)VEXONET_GetLastError();  // failed movements are silent
    return false;
}
