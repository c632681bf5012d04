#include "smart_ui_engine.h"

#include <QCheckBox>
#include <QUndoStack>
#include <algorithm>
#include <cstddef>

#include "com_font.h"
#include "engine_builders.h"
#include "engine_overlay.h"
#include "panel_metrics.h"
#include "show_ai_config.h"

namespace vexo {

int CSmartUiEngine::IdWindow::Take() {
    if (next >= count) {
        return -1;  // window full: the control is still made, but cannot be addressed
    }
    return base + first + next++;
}

CSmartUiEngine::CSmartUiEngine()
    : font_(CComFont(20, 7, QStringLiteral("微软雅黑")).Font()),
      history_(std::make_unique<QUndoStack>()) {}

CSmartUiEngine::~CSmartUiEngine() {
    // The overlay may already be gone with its session: it is not touched.
    toolOut_ = false;
    Clear();
}

void CSmartUiEngine::SetArea(QWidget* parent, const QRect& header, const QRect& panel,
                             CShowAIConfig* overlay, const CSmartXmlParse* parse,
                             const QRect& videoRect, int port) {
    parent_ = parent;
    header_ = header;
    panel_ = panel;
    overlay_ = overlay;
    parse_ = parse;
    videoRect_ = videoRect;
    port_ = port;
    if (parent) {
        parent->setFont(font_);
    }
}

void CSmartUiEngine::ResetLayout() {
    x_ = header_.left() + 10;
    y_ = header_.top() + header_.height() + 10;
    indent_ = 0;
    oneColumn_ = false;
}

QRect CSmartUiEngine::ViewportArea() const {
    const int top = header_.top() + header_.height();
    return QRect(panel_.left(), top, panel_.width(), panel_.top() + panel_.height() - top);
}

QWidget* CSmartUiEngine::ControlParent() const {
    return viewport_ ? viewport_->Content() : parent_.data();
}

QRect CSmartUiEngine::Place(const QRect& pageRect) {
    extent_ |= pageRect;
    return viewport_ ? viewport_->FromPage(pageRect) : pageRect;
}

int CSmartUiEngine::ControlCount() const {
    int count = 0;
    ForEachControl([&count](const auto&) { ++count; });
    return count;
}

void CSmartUiEngine::Clear() {
    PutToolAway();
    checkBoxes_.clear();
    xpButtons_.clear();
    combos_.clear();
    statics_.clear();
    edits_.clear();
    bitmapButtons_.clear();
    spins_.clear();
    sliders_.clear();
    listBoxes_.clear();
    viewport_.reset();
    extent_ = QRect();
    lines_.Clear();
    for (IdWindow* window : {&checkIds_, &xpIds_, &comboIds_, &staticIds_, &editIds_, &bitmapIds_,
                             &sliderIds_, &spinIds_}) {
        window->next = 0;
    }
    rowLabels_.clear();
    timeEdits_.clear();
    spinGroups_.clear();
    drawingImages_.clear();
    ptzMarks_.clear();
    ptzGroupCount_ = 0;
    ptzGroupBase_ = -1;
    currentDrawing_ = nullptr;
    unchanged_ = PanelState{};
    focusIndex_ = -1;
    built_ = 0;
    // The steps name controls that are gone. (The overlay is not asked for
    // anything here: it may be gone with its session.)
    history_->clear();
    committed_ = {};
}

std::vector<QWidget*> CSmartUiEngine::TabChain() const {
    std::vector<std::pair<QPoint, QWidget*>> placed;
    ForEachControl([&](const auto& control) {
        QWidget* widget = control.Control();
        if (widget && (widget->focusPolicy() & Qt::TabFocus)) {
            const QWidget* top = widget->window();
            placed.emplace_back(widget->mapTo(top, QPoint(0, 0)), widget);
        }
    });
    // Top to bottom; controls of one row share their top within a few
    // pixels (a check box sits lower than its combo box) and go left to
    // right.
    constexpr int kRowTolerance = 12;
    std::stable_sort(placed.begin(), placed.end(),
                     [](const auto& a, const auto& b) { return a.first.y() < b.first.y(); });
    for (size_t row = 0; row < placed.size();) {
        size_t end = row + 1;
        while (end < placed.size() &&
               placed[end].first.y() - placed[row].first.y() <= kRowTolerance) {
            ++end;
        }
        std::stable_sort(placed.begin() + static_cast<std::ptrdiff_t>(row),
                         placed.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const auto& a, const auto& b) { return a.first.x() < b.first.x(); });
        row = end;
    }
    std::vector<QWidget*> chain;
    for (const auto& entry : placed) {
        chain.push_back(entry.second);
    }
    return chain;
}

void CSmartUiEngine::ClearShapes() {
    PutToolAway();
    if (overlay_) {
        for (const auto& [key, shape] : shapes_) {
            overlay_->DeleteOverlay(key, false);
        }
    }
    shapes_.clear();
}

void CSmartUiEngine::BuildPanel(const ParamRows& rows, bool clearOverlay) {
    PutToolAway();
    if (clearOverlay) {
        ClearShapes();
    }
    if (!viewport_ && parent_ && !ViewportArea().isEmpty()) {
        viewport_ = std::make_unique<PanelViewport>(parent_, ViewportArea());
    }
    std::vector<ParamDescriptor> limits;
    for (const ParamDescriptor& row : rows) {
        if (row.label.kind == kControlPtzLimit) {
            ptzNumber_ = LeadingDigits(row.label.items.value(1));
            limits.push_back(row);
        } else {
            LayoutRow(row);
        }
    }
    // Limit groups go by the number their caption ends with; the first
    // `ptzNumber_` of them are the limits in use.
    std::stable_sort(limits.begin(), limits.end(), [](const auto& a, const auto& b) {
        return LeadingDigits(a.label.caption.right(2)) < LeadingDigits(b.label.caption.right(2));
    });
    ptzCellWidth_ = PtzCellWidth(limits);
    for (size_t k = 0; k < limits.size(); ++k) {
        ControlSpec& label = limits[k].label;
        while (label.items.size() < 2) {
            label.items.append(QString());
        }
        label.items[1] =
            static_cast<int>(k + 1) <= ptzNumber_ ? QStringLiteral("1") : QStringLiteral("0");
        LayoutRow(limits[k]);
    }
    if (!limits.empty()) {
        y_ += rowStep_;  // close the last line of limit groups
    }
    // Each build starts its linked rows in the state their controls show,
    // and its wires with the arrows of their rule's direction.
    built_ = 0;
    RunFirstLinkEvaluation();
    for (const auto& combo : combos_) {
        ShowDirectionOnWire(*combo);
    }
    Relayout(true);
    if (viewport_) {
        viewport_->Show(ControlCount() > 0);
    }
    if (parent_) {
        parent_->update();
    }
    // A new panel starts a new history, and shows no edits yet.
    ResetHistory();
    MarkUnchanged();
}

void CSmartUiEngine::Relayout(bool toTop) {
    const QRect shown = lines_.Reflow();
    if (viewport_) {
        // The rows are placed in the area's pixels; the area wants page pixels.
        viewport_->Fit(shown.isEmpty() ? shown : shown.translated(ViewportArea().topLeft()), toTop);
    }
}

int CSmartUiEngine::RowY() {
    const int bottom = panel_.top() + panel_.height();
    if (indent_ == 0 && !oneColumn_ && bottom > 500 && y_ + 60 > bottom) {
        if (SecondColumnFits()) {
            indent_ = panel_.width() / 2;
            y_ = header_.top() + header_.height() + 10;
            x_ = header_.left() + 10 + indent_;
        } else {
            // Rows as wide as half the panel or wider: they go on downwards
            // and the panel scrolls.
            oneColumn_ = true;
        }
    }
    return y_;
}

int CSmartUiEngine::PtzCellWidth(const std::vector<ParamDescriptor>& limits) const {
    // The drawing button, a gap, the check box with its caption and a margin.
    constexpr int kButtonRoom = 36;
    constexpr int kMinimum = 120;
    int widest = 0;
    for (const ParamDescriptor& row : limits) {
        QCheckBox probe(row.label.items.value(0));
        probe.setFont(font_);
        widest = std::max(widest, probe.sizeHint().width());
    }
    const int left = header_.left() + 10 + indent_;
    const int room = (panel_.left() + panel_.width() - left) / 3;
    // Past the room of three cells the builder narrows the captions instead.
    return std::clamp(widest + kButtonRoom + 8, kMinimum, std::max(kMinimum, room));
}

bool CSmartUiEngine::SecondColumnFits() const {
    const int start = header_.left() + 10;
    const int half = panel_.width() / 2;
    const int width = extent_.isEmpty() ? 0 : extent_.right() + 1 - start;
    return width <= half && start + half + width <= panel_.left() + panel_.width();
}

void CSmartUiEngine::LayoutRow(const ParamDescriptor& row) {
    if (row.label.kind == kControlNone && row.value.kind == kControlNone) {
        return;  // an inert row takes no room
    }
    x_ = header_.left() + 10 + indent_;
    BuildSpec(row.label, true);
    if (!row.label.hidden) {
        x_ += row.label.advance;
    }
    BuildSpec(row.value, false);
    const bool advances = !row.value.hidden && row.label.kind != kControlPtzLimit;
    if (advances) {
        y_ += rowStep_;
    }
    lines_.EndLine(indent_, advances ? rowStep_ : 0);
    for (size_t i = 0; i < row.extras.size(); ++i) {
        if (i % 2 == 0) {
            x_ = header_.left() + 10 + indent_;
        } else {
            x_ += row.extras[i - 1].advance;
        }
        BuildSpec(row.extras[i], i % 2 == 0);
        if (i % 2 == 1 || i + 1 == row.extras.size()) {
            y_ += rowStep_;
            lines_.EndLine(indent_, rowStep_);
        }
    }
}

void CSmartUiEngine::BuildSpec(const ControlSpec& spec, bool isLabel) {
    EngineBuilders::Build(*this, spec, isLabel);
}

void CSmartUiEngine::ShowAll(bool show) {
    const auto apply = [show](auto& control) {
        control->Show(show && control->ShowWithPanel() ? 1 : 0);
    };
    for (auto& c : checkBoxes_)
        apply(c);
    for (auto& c : xpButtons_)
        apply(c);
    for (auto& c : combos_)
        apply(c);
    for (auto& c : statics_)
        apply(c);
    for (auto& c : edits_)
        apply(c);
    for (auto& c : bitmapButtons_)
        apply(c);
    for (auto& c : spins_)
        apply(c);
    for (auto& c : sliders_)
        apply(c);
    for (auto& c : listBoxes_)
        apply(c);
    panelShown_ = show;
    if (viewport_) {
        viewport_->Show(show && ControlCount() > 0);
    }
    // Showing everything must not show a row its links hide.
    if (show) {
        EvaluateAllLinks();
    }
}

void CSmartUiEngine::RunFirstLinkEvaluation() {
    if (built_) {
        return;
    }
    built_ = 1;
    EvaluateAllLinks();
}

void CSmartUiEngine::EvaluateAllLinks() {
    std::vector<std::pair<QString, QString>> drivers;
    for (const auto& combo : combos_) {
        drivers.emplace_back(combo->Name(), ComboValue(*combo));
    }
    for (const auto& box : checkBoxes_) {
        if (!box->labelBox) {
            drivers.emplace_back(
                box->Name(), box->GetCheck() ? QStringLiteral("true") : QStringLiteral("false"));
        }
    }
    for (const auto& [name, value] : drivers) {
        ApplyLinksOnly(name, value);
    }
    Relayout(false);
}

void CSmartUiEngine::ApplyLinks(const QString& name, const QString& value) {
    ApplyLinksOnly(name, value);
    Relayout(false);
}

void CSmartUiEngine::ApplyLinksOnly(const QString& name, const QString& value) {
    ForEachControl([&](auto& control) {
        if (!control.Linked()) {
            return;
        }
        for (const LinkCondition& condition : control.Links()) {
            if (condition.linkName == name) {
                // A control made hidden stays hidden whatever its links say.
                control.Show(condition.linkValue == value && control.ShowWithPanel() ? 1 : 0);
                return;
            }
        }
    });
}

}  // namespace vexo
