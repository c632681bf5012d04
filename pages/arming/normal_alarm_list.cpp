#include "normal_alarm_list.h"

#include <QFontMetrics>
#include <QFrame>
#include <QHash>
#include <QScrollBar>

#include "ui_helpers.h"

namespace vexo {
namespace {

constexpr int kXpBase = 18000;
constexpr int kColumns = 3;
constexpr int kGap = 6;
constexpr int kButtonHeight = 30;

}  // namespace

std::vector<NormalAlarmEntry> NormalAlarmEntries(
    const std::vector<NormalAlarmFun>& funs,
    const std::function<QString(const QString& type)>& displayName) {
    QHash<QString, int> perType;
    for (const NormalAlarmFun& fun : funs) {
        ++perType[fun.type];
    }
    std::vector<NormalAlarmEntry> entries;
    entries.reserve(funs.size());
    for (const NormalAlarmFun& fun : funs) {
        QString label = displayName(fun.type);
        if (label.isEmpty()) {
            label = fun.type;
        }
        if (perType.value(fun.type) > 1) {
            label += QStringLiteral(" (%1)").arg(fun.token);
        }
        entries.push_back({fun.type, fun.token, label});
    }
    return entries;
}

NormalAlarmList::NormalAlarmList() = default;
NormalAlarmList::~NormalAlarmList() {
    // The buttons live in the area's content widget: release them first.
    buttons_.clear();
}

void NormalAlarmList::Create(QWidget* parent, const QRect& rect, const QFont& font) {
    font_ = font;
    area_ = std::make_unique<QScrollArea>(parent);
    area_->setGeometry(rect);
    area_->setFrameShape(QFrame::NoFrame);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setWidgetResizable(false);
    // The page's background shows through.
    area_->viewport()->setAutoFillBackground(false);
    content_ = new QWidget;
    content_->setAutoFillBackground(false);
    area_->setWidget(content_);
    area_->show();
}

void NormalAlarmList::SetEntries(const std::vector<NormalAlarmEntry>& entries) {
    buttons_.clear();
    labels_.clear();
    captions_.clear();
    if (!area_) {
        return;
    }
    const int count = std::min(static_cast<int>(entries.size()), kMaxAlarms);
    for (int i = 0; i < count; ++i) {
        auto button = std::make_unique<CAutoXpBtn>();
        button->Create(kXpBase + kFirstOffset + i, content_, QRect(), kAutoStyleNone,
                       entries[i].label);
        button->SetImages(541, 542);
        button->SetToolTipText(entries[i].label);
        button->Control()->setFont(font_);
        button->Control()->setToolTip(entries[i].label);
        buttons_.push_back(std::move(button));
        labels_.push_back(entries[i].label);
    }
    captions_.resize(labels_.size());
    markedIndex_ = -1;
    LayOutButtons();
}

void NormalAlarmList::Place(const QRect& rect) {
    if (area_ && area_->geometry().size() != rect.size()) {
        area_->setGeometry(rect);
        LayOutButtons();
    }
}

void NormalAlarmList::LayOutButtons() {
    // Room for the scroll bar is kept whether or not it shows, so that the
    // buttons never run under it.
    const int usable = area_->width() - area_->verticalScrollBar()->sizeHint().width() - kGap;
    const int width = usable / kColumns - kGap;
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        const QRect rect(kGap + (i % kColumns) * (width + kGap),
                         kGap + (i / kColumns) * (kButtonHeight + kGap), width, kButtonHeight);
        // Long names lose their middle (their ends tell alarms apart); the
        // tool tip keeps them whole.
        CAutoXpBtn& button = *buttons_[size_t(i)];
        button.Control()->setGeometry(rect);
        captions_[size_t(i)] =
            QFontMetrics(font_).elidedText(labels_[size_t(i)], Qt::ElideMiddle, width - 8);
        button.Control()->setText(EditedCaption(captions_[size_t(i)], i == markedIndex_));
    }
    const int rows = (count + kColumns - 1) / kColumns;
    content_->resize(usable + kGap, kGap + rows * (kButtonHeight + kGap));
}

void NormalAlarmList::SetCurrent(int index) {
    for (int i = 0; i < Count(); ++i) {
        buttons_[i]->Control()->SetSelected(i == index ? 1 : 0);
    }
    if (index >= 0 && index < Count()) {
        area_->ensureWidgetVisible(buttons_[index]->Control());
    }
}

void NormalAlarmList::MarkEdited(int index, bool edited) {
    markedIndex_ = edited ? index : -1;
    for (int i = 0; i < Count(); ++i) {
        buttons_[i]->Control()->setText(EditedCaption(captions_[i], edited && i == index));
    }
}

int NormalAlarmList::IndexOfOffset(int offset) const {
    const int index = offset - kFirstOffset;
    return index >= 0 && index < Count() ? index : -1;
}

}  // namespace vexo
