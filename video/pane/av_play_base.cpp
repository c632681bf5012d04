#include "av_play_base.h"

#include <QRegularExpression>
#include <QStringList>
#include <QWidget>
#include <algorithm>

#include "audio_video_play.h"
#include "geometry_forms.h"
#include "image_catalog.h"
#include "video_input_router.h"

namespace {

constexpr int kXpBase = 18000;
constexpr int kEditSelector = 3;

const QRegularExpression& FloatPointPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(\(\s*([-+]?[0-9]*\.?[0-9]+(?:[eE][-+]?[0-9]+)?)\s*,\s*)"
                       R"(([-+]?[0-9]*\.?[0-9]+(?:[eE][-+]?[0-9]+)?)\s*\))"));
    return pattern;
}

const QRegularExpression& IntPointPattern() {
    static const QRegularExpression pattern(
        QStringLiteral(R"(\(\s*([-+]?\d+)\s*,\s*([-+]?\d+)\s*\))"));
    return pattern;
}

// A window pixel coordinate from renderer text, kept far from int overflow.
int PixelCoordinate(const QString& digits) {
    constexpr qlonglong kLimit = 1000000;
    return static_cast<int>(std::clamp(digits.toLongLong(), -kLimit, kLimit));
}

// Direction word of a wire read back from the renderer ("D|M|..."): the end
// of an edit and GetGeometry name the digits differently, as the pages
// expect them.
QString DirectionAfterEdit(int digit) {
    return digit == 0   ? QStringLiteral("Any")
           : digit == 2 ? QStringLiteral("Left")
                        : QStringLiteral("Right");
}
QString DirectionOfReadBack(int digit) {
    return digit == 0   ? QStringLiteral("Any")
           : digit == 1 ? QStringLiteral("Left")
                        : QStringLiteral("Right");
}

struct LineReadBack {
    int direction = 0;
    QString margin;
    QString points;  // "(x1,y1),(x2,y2)"
};

// "D|M|(x1,y1),(x2,y2)"; false for any other form.
bool ParseLineReadBack(const QString& text, LineReadBack& line) {
    const QStringList parts = text.split(QLatin1Char('|'));
    if (parts.size() != 3) {
        return false;
    }
    line.direction = vexo::geometry::LeadingInt(parts[0]);
    line.margin = parts[1];
    line.points = parts[2];
    return true;
}

}  // namespace

CAVPlayBase::~CAVPlayBase() = default;

void CAVPlayBase::SetDeviceInfo(const QString& address, const QString& user,
                                const QString& password, int streamSelector) {
    m_address = address;
    m_user = user;
    m_password = password;
    m_streamSelector = streamSelector;
}

QWidget* CAVPlayBase::VideoWindow() const {
    return m_videoWindow.Control();
}

bool CAVPlayBase::CanUseSession() const {
    return m_session != nullptr;
}

void CAVPlayBase::CreateVideoWindow(const QRect& rect) {
    if (!m_parent) {
        return;
    }
    m_videoRect = rect;
    m_videoWindow.Create(kVideoWindowId, m_parent, rect);
    m_videoWindow.SetBitmap(kIdlePicture);
    if (auto* label = m_videoWindow.Control()) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    if (CanUseSession()) {
        m_session->Overlay().SetVideoWindow(m_videoWindow.Control());
        m_session->Overlay().SetVideoRect(QRect(QPoint(0, 0), rect.size()));
    }
}

void CAVPlayBase::PlaceVideo(const QRect& rect) {
    QWidget* window = m_videoWindow.Control();
    if (window == nullptr || rect == m_videoRect || rect.isEmpty()) {
        return;
    }
    const QSize old = m_videoRect.size();
    window->setGeometry(rect);
    m_videoRect = rect;
    for (auto& [key, entry] : m_geometry) {
        entry.text = DeviceToPixelText(PixelToDeviceGeometry(entry.text, old.width(), old.height()),
                                       rect.width(), rect.height());
    }
    if (CanUseSession() && m_session->Overlay().VideoWindow() == window) {
        m_session->ResizeVideo(QRect(QPoint(0, 0), rect.size()));
    }
}

void CAVPlayBase::CreateButtons() {
    if (!m_parent) {
        return;
    }
    const int top = m_videoRect.bottom() + 1 + 2;
    const int left = m_videoRect.left() + m_videoRect.width() / 2 - 64;
    const QSize playSize = vexo::ImageSizeById(645);
    m_play.Create(kXpBase + kPlayOffset, m_parent, QRect(QPoint(left, top), playSize));
    m_play.SetImages(645, 646);
    const QSize stopSize = vexo::ImageSizeById(647);
    m_stop.Create(kXpBase + kStopOffset, m_parent, QRect(QPoint(left + 60, top), stopSize));
    m_stop.SetImages(647, 648);
}

bool CAVPlayBase::OnButton(int offset) {
    if (offset == kPlayOffset) {
        StartPreview();
        return true;
    }
    if (offset == kStopOffset) {
        StopPreview();
        return true;
    }
    return false;
}

bool CAVPlayBase::StartPreview() {
    QWidget* window = m_videoWindow.Control();
    if (!CanUseSession() || window == nullptr) {
        return false;
    }
    if (m_session->LoginId() < 0 && !m_session->Login(m_address, m_user, m_password)) {
        return false;
    }
    return m_session->StartRealPlay(m_streamSelector, window, window->rect());
}

void CAVPlayBase::StopPreview() {
    if (CanUseSession()) {
        m_session->StopRealPlay();
    }
    MarkOverlayDrawn(false);
}

void CAVPlayBase::MarkOverlayDrawn(bool drawn) {
    if (QWidget* video = VideoWindow()) {
        video->setProperty("vexoOverlayDrawn", drawn);
    }
}

void CAVPlayBase::Destroy() {
    StopPreview();
    delete m_videoWindow.Control();
    delete m_play.Control();
    delete m_stop.Control();
}

// ---- Geometry

QString CAVPlayBase::DeviceToPixelText(const QString& deviceText, int width, int height) {
    const qsizetype bar = deviceText.indexOf(QLatin1Char('|'));
    if (bar < 0) {
        return deviceText;
    }
    const int count = vexo::geometry::LeadingInt(deviceText);
    const QString rest = deviceText.mid(bar + 1);
    if (count == 0) {
        return QStringLiteral("0|") + rest;
    }
    QStringList points;
    auto it = FloatPointPattern().globalMatch(rest);
    while (it.hasNext()) {
        const auto match = it.next();
        const vexo::GeoPoint p = vexo::geometry::DeviceToPixel(
            match.captured(1).toDouble(), match.captured(2).toDouble(), width, height);
        points.append(QStringLiteral("(%1,%2)").arg(p.x).arg(p.y));
    }
    return QStringLiteral("%1|").arg(count) + points.join(QLatin1Char(','));
}

QString CAVPlayBase::PixelToDeviceGeometry(const QString& pixelText, int width, int height) {
    const qsizetype bar = pixelText.indexOf(QLatin1Char('|'));
    if (bar < 0) {
        return pixelText;
    }
    QStringList points;
    auto it = IntPointPattern().globalMatch(pixelText.mid(bar + 1));
    while (it.hasNext()) {
        const auto match = it.next();
        points.append(vexo::geometry::PixelToDeviceText(
            PixelCoordinate(match.captured(1)), PixelCoordinate(match.captured(2)), width, height));
    }
    return pixelText.left(bar + 1) + points.join(QLatin1Char(','));
}

void CAVPlayBase::SetGeometry(const QString& key, const QString& deviceText, int type) {
    switch (type) {
        case kRegionGeometry:
            m_geometry[key] = {
                DeviceToPixelText(deviceText, m_videoRect.width(), m_videoRect.height()), 0};
            break;
        case kValueText:
            m_values[key] = deviceText;
            break;
        case kVerbatimGeometry:
            m_geometry[key] = {deviceText, 0};
            break;
        default:
            break;
    }
}

QString CAVPlayBase::GetGeometry(const QString& key) {
    if (key == m_editingKey && CanUseSession()) {
        const QString current = m_session->GetGeometryText(key);
        LineReadBack line;
        if (ParseLineReadBack(current, line)) {
            m_geometry[key].text = QStringLiteral("2|") + line.points;
            m_values[QStringLiteral("Direction")] = DirectionOfReadBack(line.direction);
            m_values[QStringLiteral("Margin")] = line.margin;
        } else if (!current.isEmpty()) {
            m_geometry[key].text = current;
        }
    }
    const auto it = m_geometry.find(key);
    if (it == m_geometry.end()) {
        return {};
    }
    return PixelToDeviceGeometry(it->second.text, m_videoRect.width(), m_videoRect.height());
}

// ---- Editing

void CAVPlayBase::BeginEdit(const QString& key, int state) {
    m_editingKey = key;
    m_editState = state;
    if (CanUseSession()) {
        m_session->DeleteOverlay(key, false);
    }
}

void CAVPlayBase::EndEdit(const QString& key) {
    m_editingKey.clear();
    m_editState = kIdle;
    if (CanUseSession()) {
        // A session that no longer plays answers nothing: keep what we had.
        const QString text = m_session->GetGeometryText(key);
        if (!text.isEmpty()) {
            m_geometry[key].text = text;
        }
        m_session->DeleteOverlay(key, false);
    }
    m_geometry[key].editing = 0;
}

void CAVPlayBase::EditRect(bool begin, const QString& key) {
    if (!begin) {
        EndEdit(key);
        return;
    }
    BeginEdit(key, kRect);
    if (CanUseSession()) {
        m_session->SetEditShapeSelector(kEditSelector);
        m_session->DrawRegion(0, 10, m_geometry[key].text, key);
        m_session->DeleteOverlay(key, true);
    }
    m_geometry[key].editing = 1;
}

void CAVPlayBase::EditRegion(bool begin, const QString& key) {
    if (!begin) {
        EndEdit(key);
        return;
    }
    BeginEdit(key, kRegion);
    if (CanUseSession()) {
        m_session->SetEditShapeSelector(kEditSelector);
        m_session->DrawRegion(0, 1, m_geometry[key].text, key);
        m_session->DeleteOverlay(key, true);
    }
    m_geometry[key].editing = 1;
}

void CAVPlayBase::EditPoint(bool begin, const QString& key) {
    if (!begin) {
        EndEdit(key);
        return;
    }
    BeginEdit(key, kPoint);
    if (CanUseSession()) {
        m_session->DrawPoint(key, m_geometry[key].text);
        m_session->DeleteOverlay(key, true);
    }
    m_geometry[key].editing = 1;
}

QString CAVPlayBase::WireDrawText(const QString& stored, const QString& direction, bool directed) {
    const QString points = stored.mid(2);  // without the "2|" of the pane's form
    const bool left = direction == QLatin1String("Left") || direction == QLatin1String("left");
    const bool any = direction == QLatin1String("Any") || direction == QLatin1String("any");
    if (!directed && any) {
        return QStringLiteral("0|") + points;
    }
    return (left ? QStringLiteral("2|") : QStringLiteral("1|")) + points;
}

void CAVPlayBase::PrepareWire(const QString& key, int drawType, bool directed) {
    m_editingKey = key;
    if (CanUseSession()) {
        m_session->DeleteOverlay(key, false);
        m_session->SetEditShapeSelector(kEditSelector);
        const QString text =
            WireDrawText(m_geometry[key].text, m_values[QStringLiteral("Direction")], directed);
        m_session->DrawLine(1, drawType, text, key);
        m_session->DeleteOverlay(key, true);
        m_session->SetLineFlag(key, 1);
        m_session->SetLineBox(key);
        m_session->SetLineMargin(key, m_values[QStringLiteral("Margin")].toFloat());
    }
    m_geometry[key].editing = 1;
}

void CAVPlayBase::EndWire(const QString& key) {
    m_editingKey.clear();
    m_editState = kIdle;
    if (CanUseSession()) {
        LineReadBack line;
        if (ParseLineReadBack(m_session->GetGeometryText(key), line)) {
            m_geometry[key].text = QStringLiteral("2|") + line.points;
            m_values[QStringLiteral("Margin")] = line.margin;
            m_values[QStringLiteral("Direction")] = DirectionAfterEdit(line.direction);
        }
        m_session->DeleteOverlay(key, false);
    }
    m_geometry[key].editing = 0;
}

void CAVPlayBase::EditWire(bool begin, const QString& key) {
    begin ? PrepareWire(key, 2, false) : EndWire(key);
}

void CAVPlayBase::EditDirectedWire(bool begin, const QString& key) {
    begin ? PrepareWire(key, 3, true) : EndWire(key);
}

void CAVPlayBase::ClearRegion(bool begin, const QString& key) {
    if (begin && CanUseSession()) {
        m_session->DrawRegion(0, 4, QStringLiteral("clear"), key);
    }
}

void CAVPlayBase::DrawRegionByClicks(bool begin, const QString& key) {
    if (begin) {
        m_editingKey = key;
        m_editState = kRegion;
        if (CanUseSession()) {
            m_session->EndDrawing(key);
        }
        m_geometry[key].editing = 1;
        return;
    }
    if (CanUseSession()) {
        m_session->EndDrawing(key);
    }
    EndEdit(key);
}

int CAVPlayBase::NumberedRegionLabel(const QString& key) {
    if (key == QLatin1String("Detection Region") || key == QLatin1String("1") ||
        key == QLatin1String("2")) {
        return 0;
    }
    for (QChar digit : {QLatin1Char('4'), QLatin1Char('3'), QLatin1Char('2'), QLatin1Char('1')}) {
        if (key.contains(digit)) {
            return digit.digitValue();
        }
    }
    return 0;
}

void CAVPlayBase::EditNumberedRegion(bool begin, const QString& key) {
    if (!begin) {
        EndEdit(key);
        return;
    }
    m_editingKey = key;
    m_editState = kNumberedRegion;
    if (CanUseSession()) {
        m_session->DrawRegion(static_cast<int16_t>(NumberedRegionLabel(key)), 1,
                              m_geometry[key].text, key);
        m_session->DeleteOverlay(key, true);
    }
    m_geometry[key].editing = 1;
}

void CAVPlayBase::FinishEditing() {
    if (!CanUseSession()) {
        return;
    }
    m_session->EndDrawing(QString());
    if (m_session->PlayPort() >= 0 && !m_editingKey.isEmpty()) {
        auto& entry = m_geometry[m_editingKey];
        // Every shape the operator can draw is read back from the renderer;
        // an empty answer (nothing drawn) keeps the stored geometry.
        const QString text = m_session->GetGeometryText(m_editingKey);
        if (!text.isEmpty() && m_editState != kIdle) {
            entry.text = text;
        }
        entry.editing = 0;
        m_editingKey.clear();
        m_editState = kIdle;
    }
}

int CAVPlayBase::SetMetadataOption(const QString& option) {
    QString text = option;
    text.replace(QStringLiteral("zelk:PTZ_Tracking_Settings"),
                 QStringLiteral("zelk:PTZ_Tracking_Event"));
    text.replace(QStringLiteral("zelk:PTZ_Calibration_Settings"),
                 QStringLiteral("zelk:Camera_Calibration"));
    return CanUseSession() ? m_session->SetMetadataOption(text) : 0;
}

void CAVPlayBase::OnMouseMove(uint32_t flags, int x, int y) {
    if (CanUseSession()) {
        m_session->OnMouseMove(flags, x, y);
    }
}

bool CAVPlayBase::OnButtonDown(uint32_t flags, int x, int y) {
    return CanUseSession() && m_session->OnButtonDown(flags, x, y);
}

void CAVPlayBase::OnButtonUp(uint32_t flags, int x, int y) {
    if (CanUseSession()) {
        m_session->OnButtonUp(flags, x, y);
    }
}

void CAVPlayBase::OnDoubleClick(uint32_t flags, int x, int y) {
    if (CanUseSession()) {
        m_session->OnDoubleClick(flags, x, y);
    }
}

bool CAVPlayBase::OnEscape() {
    return CanUseSession() && m_session->OnEscape();
}

bool CAVPlayBase::OnArrowKey(int dx, int dy) {
    if (!CanUseSession() || !m_session->IsPlaying()) {
        return false;
    }
    vexo::CShowAIConfig& overlay = m_session->Overlay();
    if (overlay.SelectedKey().isEmpty()) {
        return false;
    }
    overlay.NudgeSelection(dx, dy);
    return true;  // taken even at the edge, where the shape cannot go on
}

void CAVPlayBase::RouteVideoInput() {
    QWidget* video = VideoWindow();
    if (video == nullptr || m_inputRouter) {
        return;
    }
    m_inputRouter = std::make_unique<CVideoInputRouter>(*this);
    video->setMouseTracking(true);  // the outline follows the cursor while drawing
    video->setFocusPolicy(Qt::ClickFocus);
    video->installEventFilter(m_inputRouter.get());
}
