#include "scene_tour_play_body.h"

#include <QPainter>

#include "colorref.h"
#include "com_str.h"

namespace {

constexpr int kKindButtonTop = 6;
constexpr QSize kKindButtonSize(150, 36);
constexpr QSize kSaveSize(100, 34);
constexpr int kRowsTop = 52;
constexpr int kSaveBand = 56;
constexpr vexo::COLORREF kSeparator = 0xBBBBBC;

}  // namespace

CSceneTourPlayBody::CSceneTourPlayBody(CSmartXmlParse* context,
                                       const std::vector<SceneRecord>* scenes)
    : normal_(context, scenes), timer_(context, scenes) {}

CSceneTourPlayBody::~CSceneTourPlayBody() = default;

void CSceneTourPlayBody::SetArea(QWidget* parent, const QRect& area) {
    parent_ = parent;
    m_rect = area;
    if (shown_ && normalButton_.Control()) {
        // A new size only moves things: the rows keep what the operator
        // changed and not yet saved.
        PlaceButtons();
        Current().Relayout(RowsArea());
    }
}

QRect CSceneTourPlayBody::RowsArea() const {
    return QRect(m_rect.left(), m_rect.top() + kRowsTop, m_rect.width(),
                 m_rect.height() - kRowsTop - kSaveBand);
}

CSceneTourBodyBase& CSceneTourPlayBody::Current() {
    return kind_ == Kind::Normal ? static_cast<CSceneTourBodyBase&>(normal_) : timer_;
}

void CSceneTourPlayBody::Show(bool shown) {
    shown_ = shown;
    if (!shown) {
        normal_.DestroyControls();
        timer_.DestroyControls();
        normalButton_.Show(0);
        timerButton_.Show(0);
        saveButton_.Show(0);
        return;
    }
    ShowKind(Kind::Normal);
}

void CSceneTourPlayBody::Rebuild() {
    if (shown_) {
        ShowKind(kind_);
    }
}

void CSceneTourPlayBody::ShowKind(Kind kind) {
    if (parent_ == nullptr) {
        return;
    }
    kind_ = kind;
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    if (!normalButton_.Control()) {
        normalButton_.Create(kXpBase + kNormalTourIndex, parent_, QRect(QPoint(), kKindButtonSize),
                             vexo::kAutoStyleNone, texts.sceneTour);
        normalButton_.SetImages(260, 261);
        timerButton_.Create(kXpBase + kTimerTourIndex, parent_, QRect(QPoint(), kKindButtonSize),
                            vexo::kAutoStyleNone, texts.sceneRtcTour);
        timerButton_.SetImages(260, 261);
        saveButton_.Create(kXpBase + kSaveIndex, parent_, QRect(QPoint(), kSaveSize),
                           vexo::kAutoStyleNone, texts.save);
        saveButton_.SetImages(545, 544);
    }
    PlaceButtons();
    normalButton_.Control()->SetSelected(kind == Kind::Normal ? 1 : 0);
    timerButton_.Control()->SetSelected(kind == Kind::Timer ? 1 : 0);
    normalButton_.Show(1);
    timerButton_.Show(1);
    saveButton_.Show(1);
    normal_.DestroyControls();
    timer_.DestroyControls();
    Current().Init(parent_, RowsArea());
}

void CSceneTourPlayBody::PlaceButtons() {
    const int left = m_rect.left() + 20;
    const int top = m_rect.top() + kKindButtonTop;
    normalButton_.Control()->move(left, top);
    timerButton_.Control()->move(left + kKindButtonSize.width() + 10, top);
    saveButton_.Control()->move(m_rect.left() + (m_rect.width() - kSaveSize.width()) / 2,
                                m_rect.bottom() - kSaveBand + 10);
}

bool CSceneTourPlayBody::OnCommand(int index) {
    switch (index) {
        case kNormalTourIndex:
            ShowKind(Kind::Normal);
            return true;
        case kTimerTourIndex:
            ShowKind(Kind::Timer);
            return true;
        case kSaveIndex:
            if (shown_) {
                Current().Save();
            }
            return true;
        default:
            return false;
    }
}

bool CSceneTourPlayBody::OnNotify(const vexo::AutoNotification& notification) {
    return shown_ && Current().OnNotify(notification);
}

void CSceneTourPlayBody::Paint(QPainter& painter) const {
    if (!shown_) {
        return;
    }
    const int y = m_rect.top() + kRowsTop - 4;
    painter.fillRect(QRect(m_rect.left(), y, m_rect.width(), 2), vexo::ColorFromRef(kSeparator));
    if (kind_ == Kind::Normal) {
        normal_.PaintCells(painter);
    }
}
