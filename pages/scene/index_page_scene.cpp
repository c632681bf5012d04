#include "index_page_scene.h"

#include <QFontMetrics>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>

#include "com_str.h"
#include "command_records.h"
#include "image_catalog.h"
#include "smart_fun_id_data.h"
#include "tool_tip_help.h"
#include "two_line_text.h"

namespace {

constexpr int kTileTop = 50;
// Inside the function area: five buttons to a row, 58 apart, rows 84 apart
// (the button, then its name in two lines); two rows are in view.
constexpr QPoint kFirstButton(8, 2);
constexpr int kFunctionsPerRow = 5;
constexpr int kFunctionStep = 58;
constexpr int kFunctionRowStep = 84;
constexpr int kVisibleRows = 2;
constexpr QSize kFunctionSize(48, 48);
constexpr int kLabelWidth = 60;
constexpr int kLabelHeight = 32;
constexpr int kLabelFontPixels = 11;
// The function area, from the tile's top-left corner: below the title
// band, as wide as the tile's white body.
constexpr int kFunctionAreaHeight = kVisibleRows * kFunctionRowStep;
constexpr QRect kFunctionArea(8, 48, 305, kFunctionAreaHeight);
// A slim bar in the tile's colours, without arrows.
constexpr int kScrollBarWidth = 6;
constexpr char kScrollBarStyle[] =
    "QScrollBar:vertical { width: %1px; margin: 0; background: transparent; }"
    "QScrollBar::handle:vertical { background: #C9D1DC; border-radius: 3px; min-height: 24px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }";

}  // namespace

CIndexPageScene::CIndexPageScene(int sceneIndex, int slot) : sceneIndex_(sceneIndex), slot_(slot) {}

CIndexPageScene::~CIndexPageScene() {
    delete functionArea_.data();
}

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
        vexo::Describe(setCurrent_.Control(), vexo::TheComStr()->setCurrentTip);
        vexo::Describe(settings_.Control(), vexo::TheComStr()->sceneSettingsTip);
    }
    delete_.Create(kXpBase + kDeleteIndex + slot_, parent, QRect(x + 276, y + 14, 26, 26));
    delete_.SetImages(265, 265);
    vexo::Describe(delete_.Control(), vexo::TheComStr()->deleteSceneTip);

    // One button per entry of the scene's first function list, in the
    // pictures of the function table; texts that name no function of the
    // table get no button.
    std::vector<const vexo::CSmartFunIdData*> shown;
    for (const QString& text : scene.functionTexts) {
        const auto entry = std::find_if(functions.begin(), functions.end(), [&](const auto& f) {
            return f.slot == slot_ && f.firstText == text;
        });
        if (entry != functions.end() && entry->idOffset <= kLastFunctionIndex) {
            shown.push_back(&*entry);
        }
    }
    QWidget* content = CreateFunctionArea(parent, static_cast<int>(shown.size()));
    QFont small = content->font();
    small.setPixelSize(kLabelFontPixels);
    const QFontMetrics metrics(small);
    for (size_t place = 0; place < shown.size(); ++place) {
        const vexo::CSmartFunIdData& entry = *shown[place];
        const QPoint at =
            kFirstButton + QPoint(static_cast<int>(place) % kFunctionsPerRow * kFunctionStep,
                                  static_cast<int>(place) / kFunctionsPerRow * kFunctionRowStep);
        auto button = std::make_unique<vexo::CAutoXpBtn>();
        button->Create(entry.CommandId(), content, QRect(at, kFunctionSize));
        button->SetImages(entry.normalImage, entry.selectedImage);
        button->SetToolTipText(entry.secondText);
        button->Control()->setToolTip(entry.secondText);
        functionIndexes_.push_back(entry.idOffset);
        functions_.push_back(std::move(button));
        auto label = std::make_unique<vexo::CAutoStatic>();
        label->Create(kFunctionLabelBase + entry.idOffset, content,
                      QRect(at.x() - (kLabelWidth - kFunctionSize.width()) / 2,
                            at.y() + kFunctionSize.height() + 2, kLabelWidth, kLabelHeight),
                      vexo::kAutoStyleNone,
                      vexo::TwoLineText(entry.secondText, metrics, kLabelWidth));
        label->Control()->setFont(small);
        label->Control()->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->Control()->setToolTip(entry.secondText);
        functionLabels_.push_back(std::move(label));
    }
    SetCurrent(scene.selected != 0);
}

QWidget* CIndexPageScene::CreateFunctionArea(QWidget* parent, int count) {
    auto* area = new QScrollArea(parent);
    functionArea_ = area;
    area->setGeometry(kFunctionArea.translated(position_));
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The page paints the tile's picture; the area only holds the buttons.
    area->viewport()->setAutoFillBackground(false);
    QScrollBar* bar = area->verticalScrollBar();
    bar->setStyleSheet(QString::fromLatin1(kScrollBarStyle).arg(kScrollBarWidth));
    bar->setProperty(vexo::kAutoIdProperty, kFunctionScrollId + slot_);

    auto* content = new QWidget;
    const int rows = std::max(1, (count + kFunctionsPerRow - 1) / kFunctionsPerRow);
    content->resize(kFunctionArea.width() - kScrollBarWidth, rows * kFunctionRowStep);
    area->setWidget(content);
    content->setAutoFillBackground(false);  // setWidget turned it on
    // One notch of the wheel (three steps) moves one row; set after the
    // content, which sets its own step.
    bar->setSingleStep(kFunctionRowStep / 3);
    area->show();
    return content;
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
