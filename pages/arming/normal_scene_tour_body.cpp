#include "normal_scene_tour_body.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>

#include "auto_ids.h"
#include "com_str.h"
#include "smart_xml_parse.h"

namespace tour = vexo::tour;

namespace {

// Column lefts inside the area, and widths.
constexpr int kIndexColumn = 20;
constexpr int kSceneColumn = 120;
constexpr int kSceneWidth = 260;
constexpr int kStayColumn = 440;
constexpr int kStayWidth = 140;
constexpr int kClearColumn = 640;

}  // namespace

CNormalSceneTourBody::CNormalSceneTourBody(CSmartXmlParse* context,
                                           const std::vector<SceneRecord>* scenes)
    : CSceneTourBodyBase(tour::kNormalTourType, context, scenes) {}

CNormalSceneTourBody::~CNormalSceneTourBody() {
    DestroyControls();
}

void CNormalSceneTourBody::DestroyControls() {
    editedRow_ = -1;
    stayEdit_.reset();
    stayCells_.clear();
    clearFlags_.clear();
    CSceneTourBodyBase::DestroyControls();
}

std::vector<QString> CNormalSceneTourBody::RowEntryNames() const {
    // Row i shows "Tour" + i, one row per entry of the tour data.
    std::vector<QString> names;
    for (int i = 0; i < static_cast<int>(record_.entries.size()); ++i) {
        names.push_back(tour::RowName(i));
    }
    return names;
}

void CNormalSceneTourBody::LoadExtras() {
    // One "CMD_GetParamRange" per plain value of the tour data.
    ranges_.clear();
    stayRange_.reset();
    if (Context() == nullptr) {
        return;
    }
    for (const auto& [name, value] : record_.plainValues) {
        ParamRange range;
        range.paramName = name;
        if (Context()->GetParamRange(QStringLiteral("Tour"), tourType_, range)) {
            ranges_[name] = range;
        }
    }
    const auto stay = ranges_.find(QString::fromLatin1(tour::kStayTimeAttribute));
    if (stay != ranges_.end()) {
        stayRange_ = tour::StayRangeOf(stay->second);
    }
}

void CNormalSceneTourBody::BuildRows() {
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    const int top = Area().top() + 8;
    const int left = Area().left();
    AddLabel(texts.index, left + kIndexColumn, top);
    AddLabel(texts.scene, left + kSceneColumn, top);
    AddLabel(texts.stayTime, left + kStayColumn, top);
    AddLabel(texts.clearInterval, left + kClearColumn, top);

    for (int row = 0; row < RowCount(); ++row) {
        const QRect line = RowRect(row);
        const int height = std::min(line.height() - 4, 28);
        const int y = line.top() + (line.height() - height) / 2;
        AddLabel(QString::number(row + 1), left + kIndexColumn + 4, y + 4);
        CreateSceneChoice(row, QRect(left + kSceneColumn, y, kSceneWidth, height));

        auto cell = std::make_unique<vexo::CAutoStatic>();
        cell->Create(kStayTimeCellId + row, Parent(),
                     QRect(left + kStayColumn, y, kStayWidth, height), vexo::kAutoStyleNone,
                     RowAttribute(row, tour::kStayTimeAttribute));
        cell->Control()->installEventFilter(this);
        cell->Control()->setEnabled(RowEntry(row) != nullptr);
        stayCells_.push_back(std::move(cell));

        auto flag = std::make_unique<vexo::CAutoBtnPush>();
        flag->Create(kClearFlagId + row, Parent(), QRect(left + kClearColumn, y, 24, height));
        flag->SetCheck(tour::IsTrueText(RowAttribute(row, tour::kClearFlagAttribute)) ? 1 : 0);
        flag->Control()->setEnabled(RowEntry(row) != nullptr);
        clearFlags_.push_back(std::move(flag));
    }

    stayEdit_ = std::make_unique<vexo::CAutoEdit>();
    stayEdit_->Create(kStayTimeEditId, Parent(), QRect(left + kStayColumn, top, kStayWidth, 28));
    stayEdit_->Show(0);
    connect(stayEdit_->Control(), &QLineEdit::editingFinished, this,
            &CNormalSceneTourBody::OnStayTimeDone);
}

bool CNormalSceneTourBody::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int row = 0; row < static_cast<int>(stayCells_.size()); ++row) {
            if (stayCells_[row]->Control() == watched) {
                OnStayTimeEdit(row);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

void CNormalSceneTourBody::OnStayTimeEdit(int row) {
    if (!stayEdit_ || row < 0 || row >= static_cast<int>(stayCells_.size()) ||
        RowEntry(row) == nullptr) {
        return;
    }
    editedRow_ = row;
    QLineEdit* edit = stayEdit_->Control();
    edit->setGeometry(stayCells_[row]->Control()->geometry());
    edit->setText(RowAttribute(row, tour::kStayTimeAttribute));
    stayEdit_->Show(1);
    edit->raise();
    edit->selectAll();
    edit->setFocus();
}

void CNormalSceneTourBody::OnStayTimeDone() {
    const int row = editedRow_;
    if (row < 0 || !stayEdit_) {
        return;  // the edit box also reports when it loses focus after closing
    }
    // Close first: the message below takes the focus away from the box.
    editedRow_ = -1;
    const QString typed = stayEdit_->GetWindowText();
    stayEdit_->Show(0);
    int value = 0;
    if (tour::IsStayTimeAllowed(typed, stayRange_, value)) {
        const QString text = QString::number(value);
        SetRowAttribute(row, tour::kStayTimeAttribute, text);
        stayCells_[row]->Control()->setText(text);
    } else if (stayRange_) {
        ShowTip(tour::OutOfRangeText(vexo::TheComStr()->outOfRange, *stayRange_));
    } else {
        ShowTip(vexo::TheComStr()->outOfRange);
    }
}

void CNormalSceneTourBody::PaintCells(QPainter& painter) const {
    // Stay times are boxed: they are edited in place by a double click.
    painter.save();
    painter.setPen(QColor(0xC9, 0xD1, 0xDC));
    painter.setBrush(Qt::white);
    for (const auto& cell : stayCells_) {
        if (QWidget* control = cell->Control()) {
            painter.drawRect(control->geometry().adjusted(-6, 0, 0, -1));
        }
    }
    painter.restore();
}

void CNormalSceneTourBody::OnClearFlag(int row) {
    if (row < 0 || row >= static_cast<int>(clearFlags_.size())) {
        return;
    }
    SetRowAttribute(
        row, tour::kClearFlagAttribute,
        clearFlags_[row]->GetCheck() ? QStringLiteral("true") : QStringLiteral("false"));
}

bool CNormalSceneTourBody::OnNotify(const vexo::AutoNotification& notification) {
    const int id = notification.id;
    const int rows = static_cast<int>(sceneChoices_.size());
    if (notification.code == vexo::AutoNotify::SelChange && id >= kSceneChoiceId &&
        id < kSceneChoiceId + rows) {
        OnSceneChoice(id - kSceneChoiceId);
        return true;
    }
    if (notification.code == vexo::AutoNotify::Clicked && id >= kClearFlagId &&
        id < kClearFlagId + rows) {
        OnClearFlag(id - kClearFlagId);
        return true;
    }
    return false;
}
