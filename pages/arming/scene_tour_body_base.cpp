#include "scene_tour_body_base.h"

#include <QLabel>

#include "com_str.h"
#include "smart_xml_parse.h"
#include "stored_check.h"
#include "ui_helpers.h"

namespace {
constexpr int kMinRowSlots = 12;
}

CSceneTourBodyBase::CSceneTourBodyBase(const char* tourType, CSmartXmlParse* context,
                                       const std::vector<SceneRecord>* scenes)
    : tourType_(QString::fromLatin1(tourType)), context_(context), scenes_(scenes) {}

CSceneTourBodyBase::~CSceneTourBodyBase() = default;

void CSceneTourBodyBase::Init(QWidget* parent, const QRect& area) {
    DestroyControls();
    parent_ = parent;
    area_ = area;
    Load();
    LoadExtras();
    rowNames_ = RowEntryNames();
    if (static_cast<int>(rowNames_.size()) > kMaxRows) {
        rowNames_.resize(kMaxRows);
    }
    static const std::vector<SceneRecord> kNoScenes;
    choices_ =
        vexo::tour::BuildSceneChoices(scenes_ ? *scenes_ : kNoScenes, QStringLiteral("None"));
    if (parent_ != nullptr) {
        BuildRows();
    }
}

void CSceneTourBodyBase::Relayout(const QRect& area) {
    // What the controls hold goes into the record first: the rows are made
    // again from it.
    StoreRows();
    DestroyControls();
    area_ = area;
    if (parent_ != nullptr) {
        BuildRows();
    }
}

void CSceneTourBodyBase::DestroyControls() {
    sceneChoices_.clear();
    labels_.clear();
}

bool CSceneTourBodyBase::Load() {
    record_ = TourRecord();
    record_.tourType = tourType_;
    return context_ != nullptr && context_->GetSceneTourData(record_) != 0;
}

bool CSceneTourBodyBase::Save() {
    if (context_ == nullptr) {
        return false;
    }
    StoreRows();
    if (!context_->SetSceneTourData(record_)) {
        context_->ShowDeviceError();
        return false;
    }
    // Write, then verify: what the device stored differently is listed and
    // the rows show the device's version.
    TourRecord stored;
    stored.tourType = tourType_;
    vexo::StoredDifferences differences;
    if (context_->GetSceneTourData(stored)) {
        differences = vexo::CompareTours(record_, stored);
    }
    if (!differences.empty()) {
        record_ = std::move(stored);
        DestroyControls();
        if (parent_ != nullptr) {
            BuildRows();
        }
    }
    vexo::ShowSaveSuccess(differences);
    return true;
}

void CSceneTourBodyBase::ShowTip(const QString& text) const {
    vexo::ShowMessage(text, vexo::TheComStr()->tips);
}

void CSceneTourBodyBase::AddLabel(const QString& text, int x, int y) {
    auto label = std::make_unique<QLabel>(text, Parent());
    label->move(x, y);
    label->adjustSize();
    label->show();
    labels_.push_back(std::move(label));
}

TourEntry* CSceneTourBodyBase::RowEntry(int row) {
    if (row < 0 || row >= RowCount()) {
        return nullptr;
    }
    const auto it = record_.entries.find(rowNames_[row]);
    return it == record_.entries.end() ? nullptr : &it->second;
}

const TourEntry* CSceneTourBodyBase::RowEntry(int row) const {
    return const_cast<CSceneTourBodyBase*>(this)->RowEntry(row);
}

QString CSceneTourBodyBase::RowAttribute(int row, const char* name) const {
    const TourEntry* entry = RowEntry(row);
    if (entry == nullptr) {
        return {};
    }
    const auto it = entry->attributes.find(QString::fromLatin1(name));
    return it == entry->attributes.end() ? QString() : it->second;
}

void CSceneTourBodyBase::SetRowAttribute(int row, const char* name, const QString& value) {
    if (TourEntry* entry = RowEntry(row)) {
        entry->attributes[QString::fromLatin1(name)] = value;
    }
}

void CSceneTourBodyBase::CreateSceneChoice(int row, const QRect& rect) {
    auto combo = std::make_unique<vexo::CAutoComboBox>();
    combo->Create(kSceneChoiceId + row, parent_, rect);
    for (const QString& text : choices_.texts) {
        combo->AddString(text);
    }
    combo->SetCurSel(
        vexo::tour::ChoiceOfToken(choices_, RowAttribute(row, vexo::tour::kSceneTokenAttribute)));
    // A row the record does not hold cannot be edited.
    combo->Control()->setEnabled(RowEntry(row) != nullptr);
    sceneChoices_.push_back(std::move(combo));
}

void CSceneTourBodyBase::OnSceneChoice(int row) {
    if (row < 0 || row >= static_cast<int>(sceneChoices_.size())) {
        return;
    }
    const int choice = sceneChoices_[row]->GetCurSel();
    if (choice < 0 || choice >= choices_.tokens.size()) {
        return;
    }
    SetRowAttribute(row, vexo::tour::kSceneTokenAttribute, choices_.tokens[choice]);
}

int CSceneTourBodyBase::RowHeight() const {
    const int rowSlots = std::max(kMinRowSlots, RowCount());
    return std::max(1, (area_.height() - kHeaderHeight) / rowSlots);
}

QRect CSceneTourBodyBase::RowRect(int row) const {
    const int height = RowHeight();
    return QRect(area_.left(), area_.top() + kHeaderHeight + row * height, area_.width(), height);
}
