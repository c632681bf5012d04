#include "index_page_scene.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>

#include "command_records.h"
#include "image_catalog.h"
#include "smart_fun_id_data.h"

namespace {

constexpr int kTileTop = 50;
constexpr int kFunctionsPerLine = 5;
constexpr int kFunctionStep = 58;
constexpr int kFunctionLineStep = 76;
constexpr int kFunctionLabelHeight = 20;
constexpr QSize kFunctionSize(48, 48);

}  // namespace

CIndexPageScene::CIndexPageScene(int sceneIndex, int slot) : sceneIndex_(sceneIndex), slot_(slot) {}

CIndexPageScene::~CIndexPageScene() = default;

void CIndexPageScene::Create(QWidget* parent, const SceneRecord& scene,
                             const std::vector<vexo::CSmartFunIdData>& functions, int pageWidth) {
    const int column = pageWidth / 3;
    position_ = QPoint(column * slot_ + std::max(0, (column - kTileSize.width()) / 2), kTileTop);
    const int x = position_.x();
    const int y = position_.y();

    name_.Create(kNameLabelId + slot_, parent, QRect(x + 16, y + 12, 170, 30), vexo::kAutoStyleNone,
                 scene.name);
    name_.Control()->setFont(m_font);
    name_.Control()->setToolTip(scene.name);
    if (scene.kind == kDefaultScene || scene.kind == kOrdinaryScene) {
        setCurrent_.Create(kXpBase + kSetCurrentIndex + slot_, parent,
                           QRect(x + 196, y + 12, 30, 30));
        setCurrent_.SetImages(226, 237);
        settings_.Create(kXpBase + kSettingsIndex + slot_, parent, QRect(x + 234, y + 12, 30, 30));
        settings_.SetImages(696, 696);
    }
    delete_.Create(kXpBase + kDeleteIndex + slot_, parent, QRect(x + 276, y + 14, 26, 26));
    delete_.SetImages(265, 265);

    // One button per entry of the scene's first function list, in the
    // pictures of the function table; texts that name no function of the
    // table get no button.
    int placed = 0;
    for (const QString& text : scene.functionTexts) {
        const auto entry = std::find_if(functions.begin(), functions.end(), [&](const auto& f) {
            return f.slot == slot_ && f.firstText == text;
        });
        if (entry == functions.end() || entry->idOffset > kLastFunctionIndex) {
            continue;
        }
        const QPoint at(x + 16 + (placed % kFunctionsPerLine) * kFunctionStep,
                        y + 56 + (placed / kFunctionsPerLine) * kFunctionLineStep);
        if (at.y() + kFunctionSize.height() + kFunctionLabelHeight > y + kTileSize.height()) {
            break;  // the tile is full
        }
        auto button = std::make_unique<vexo::CAutoXpBtn>();
        button->Create(entry->CommandId(), parent, QRect(at, kFunctionSize));
        button->SetImages(entry->normalImage, entry->selectedImage);
        button->SetToolTipText(entry->secondText);
        button->Control()->setToolTip(entry->secondText);
        functionIndexes_.push_back(entry->idOffset);
        functions_.push_back(std::move(button));
        auto label = std::make_unique<QLabel>(parent);
        QFont small = label->font();
        small.setPixelSize(11);
        label->setFont(small);
        label->setText(
            QFontMetrics(small).elidedText(entry->secondText, Qt::ElideRight, kFunctionStep - 2));
        label->setGeometry(at.x() - (kFunctionStep - kFunctionSize.width()) / 2,
                           at.y() + kFunctionSize.height() + 2, kFunctionStep,
                           kFunctionLabelHeight);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setToolTip(entry->secondText);
        label->show();
        functionLabels_.push_back(std::move(label));
        ++placed;
    }
    SetCurrent(scene.selected != 0);
}

void CIndexPageScene::SetCurrent(bool current) {
    current_ = current;
    if (setCurrent_.Control()) {
        setCurrent_.Control()->SetSelected(current ? 0 : 1);
        // Lets tools and host scripts see which tile is current.
        setCurrent_.Control()->setProperty("vexoCurrent", current);
    }
}

bool CIndexPageScene::OwnsFunction(int index) const {
    return std::find(functionIndexes_.begin(), functionIndexes_.end(), index) !=
           functionIndexes_.end();
}

void CIndexPageScene::Paint(QPainter& painter) const {
    painter.drawPixmap(position_, vexo::ImageById(kTileImage));
}
