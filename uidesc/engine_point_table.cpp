#include "engine_point_table.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QWidget>
#include <algorithm>

#include "auto_base.h"
#include "com_str.h"
#include "engine_overlay.h"
#include "geometry_forms.h"
#include "point_table_text.h"
#include "show_ai_config.h"
#include "smart_ui_engine.h"

namespace vexo {

namespace {

constexpr int kRowHeight = 24;
constexpr int kLabelWidth = 30;
constexpr int kCellWidth = 72;
// The narrowest cell that still shows a value such as "-0.600" whole.
constexpr int kNarrowestCell = 56;
constexpr int kCellGap = 4;

bool Chinese() {
    return TheComStr().Language() == u"chinese";
}

}  // namespace

// Taking the focus in a point's edit selects that point on the video.
class CPointTable::Filter : public QObject {
public:
    explicit Filter(CPointTable& table) : table_(table) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            const QVariant index = watched->property("vexoPointIndex");
            if (index.isValid()) {
                table_.Focused(index.toInt());
            }
        }
        return false;
    }

private:
    CPointTable& table_;
};

CPointTable::CPointTable() : filter_(std::make_unique<Filter>(*this)) {}

CPointTable::~CPointTable() {
    // The widgets go with their parent; the overlay may already be gone
    // with its session, so it is not touched (the listener checks alive_).
    for (auto* list : {&xs_, &ys_}) {
        for (const auto& edit : *list) {
            if (edit) {
                edit->removeEventFilter(filter_.get());
            }
        }
    }
}

void CPointTable::Create(QWidget* parent, const QRect& area) {
    parent_ = parent;
    caption_ = new QLabel(parent);
    caption_->setProperty(kAutoIdProperty, kCaptionId);
    size_ = new QLabel(parent);
    size_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    size_->setProperty(kAutoIdProperty, kSizeId);
    for (int row = 0; row < 3; ++row) {
        labels_.emplace_back(new QLabel(
            row == 1 ? QStringLiteral("x") : (row == 2 ? QStringLiteral("y") : QString()), parent));
    }
    for (int i = 0; i < kMaxPoints; ++i) {
        auto* number = new QLabel(QString::number(i + 1), parent);
        number->setAlignment(Qt::AlignCenter);
        labels_.emplace_back(number);
        for (int axis = 0; axis < 2; ++axis) {
            auto* edit = new QLineEdit(parent);
            edit->setAlignment(Qt::AlignRight);
            edit->setProperty(kAutoIdProperty, kFirstEditId + 2 * i + axis);
            edit->setProperty("vexoPointIndex", i);
            edit->installEventFilter(filter_.get());
            QObject::connect(edit, &QLineEdit::editingFinished, edit, [this, i] { Commit(i); });
            (axis == 0 ? xs_ : ys_).emplace_back(edit);
        }
    }
    Place(area);
    SetShown(false);
}

void CPointTable::Place(const QRect& area) {
    if (!caption_ || !size_) {
        return;
    }
    caption_->setGeometry(area.left(), area.top(), area.width() / 2, 20);
    size_->setGeometry(area.left() + area.width() / 2, area.top(), area.width() / 2, 20);
    const int top = area.top() + 22;
    for (int row = 0; row < 3 && row < int(labels_.size()); ++row) {
        if (labels_[size_t(row)]) {
            labels_[size_t(row)]->setGeometry(area.left(), top + row * kRowHeight, kLabelWidth,
                                              kRowHeight - 2);
        }
    }
    // Every point on one line while the cells keep a readable width; in a
    // narrower area the cells go on in a second block below the first.
    const int room = area.width() - kLabelWidth;
    const int cell = std::clamp(room / kMaxPoints - kCellGap, kNarrowestCell, kCellWidth);
    const int perLine = std::clamp(room / (cell + kCellGap), 1, kMaxPoints);
    for (int i = 0; i < kMaxPoints; ++i) {
        const int left = area.left() + kLabelWidth + (i % perLine) * (cell + kCellGap);
        const int blockTop = top + (i / perLine) * 3 * kRowHeight;
        if (QLabel* number = labels_[size_t(3 + i)]) {
            number->setGeometry(left, blockTop, cell, kRowHeight - 2);
        }
        for (int axis = 0; axis < 2; ++axis) {
            if (QLineEdit* edit = (axis == 0 ? xs_ : ys_)[size_t(i)]) {
                edit->setGeometry(left, blockTop + (axis + 1) * kRowHeight, cell, kRowHeight - 2);
            }
        }
    }
}

void CPointTable::Attach(CSmartUiEngine* engine) {
    engine_ = engine;
    if (engine_ && engine_->Overlay()) {
        std::weak_ptr<int> alive = alive_;
        engine_->Overlay()->AddViewListener(this, [this, alive] {
            if (!alive.expired()) {
                Refresh();
            }
        });
    }
    Refresh();
}

void CPointTable::SetShown(bool shown) {
    for (QWidget* widget : std::initializer_list<QWidget*>{caption_, size_}) {
        if (widget) {
            widget->setVisible(shown);
        }
    }
    for (const auto& label : labels_) {
        if (label) {
            label->setVisible(shown);
        }
    }
    if (!shown) {
        for (auto* list : {&xs_, &ys_}) {
            for (const auto& edit : *list) {
                if (edit) {
                    edit->hide();
                }
            }
        }
    }
}

void CPointTable::Refresh() {
    CShowAIConfig* overlay = engine_ ? engine_->Overlay() : nullptr;
    const QString key = overlay ? overlay->SelectedKey() : QString();
    const int type = engine_ ? engine_->ShapeTypeOf(key) : kShapeNone;
    const std::vector<GeoPoint> points =
        overlay ? overlay->ShapePoints(key) : std::vector<GeoPoint>{};
    const QSize video = engine_ ? engine_->VideoRect().size() : QSize();
    const bool shown = parent_ && parent_->isVisible() && type != kShapeNone && !points.empty() &&
                       !video.isEmpty();
    key_ = shown ? key : QString();
    SetShown(shown);
    if (!shown) {
        return;
    }
    caption_->setText(engine_->LabelOf(key));
    const bool line = type == kShapeLine || type == kShapeSegment;
    size_->setText(ShapeSizeText(points, line, video, Chinese()));
    for (int i = 0; i < kMaxPoints; ++i) {
        const bool has = i < static_cast<int>(points.size());
        labels_[3 + static_cast<size_t>(i)]->setVisible(has);
        xs_[static_cast<size_t>(i)]->setVisible(has);
        ys_[static_cast<size_t>(i)]->setVisible(has);
        if (!has) {
            continue;
        }
        const QPointF device = geometry::PixelToDevice(points[static_cast<size_t>(i)].x,
                                                       points[static_cast<size_t>(i)].y,
                                                       video.width(), video.height());
        const QString x = TableCoordinateText(device.x());
        const QString y = TableCoordinateText(device.y());
        // The selected point stands out, so the arrow keys' target is clear.
        const bool selected = overlay->SelectedPoint() == i;
        for (auto [edit, text] : {std::pair{xs_[static_cast<size_t>(i)].data(), x},
                                  std::pair{ys_[static_cast<size_t>(i)].data(), y}}) {
            if (edit->text() != text) {
                edit->setText(text);
            }
            QPalette palette = parent_->palette();
            if (selected) {
                palette.setColor(QPalette::Base, QColor(0xdb, 0xe8, 0xfb));
            }
            edit->setPalette(palette);
        }
    }
}

void CPointTable::Focused(int index) {
    CShowAIConfig* overlay = engine_ ? engine_->Overlay() : nullptr;
    if (overlay && !key_.isEmpty() && overlay->SelectedPoint() != index) {
        overlay->SelectShape(key_, index);
    }
}

void CPointTable::Commit(int index) {
    CShowAIConfig* overlay = engine_ ? engine_->Overlay() : nullptr;
    const size_t i = static_cast<size_t>(index);
    if (!overlay || key_.isEmpty() || i >= xs_.size()) {
        return;
    }
    const auto typed = ReadTypedPoint(xs_[i]->text(), ys_[i]->text());
    // A value that does not read, or that lies off the picture, is not
    // taken: the table shows the point where it is.
    if (!typed ||
        !overlay->MoveShapePoint(key_, index, TypedPixel(*typed, engine_->VideoRect().size()))) {
        Refresh();
    }
}

}  // namespace vexo
