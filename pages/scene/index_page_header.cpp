#include "index_page_header.h"

#include "com_str.h"
#include "dialog_manager.h"
#include "tool_tip_help.h"

namespace {

constexpr QSize kModeSize(150, 37);
constexpr QSize kHelpSize(90, 30);
constexpr QSize kSwitchSize(130, 36);
constexpr QSize kAddSceneSize(130, 30);
constexpr int kRightMargin = 20;
constexpr char kSoundFunction[] = "zelk:Abnormal_Sound_Event";

bool CapabilityOn(CSmartXmlParse& context, const QString& name) {
    vexo::CapabilityMap capabilities;
    context.GetMultiSceneCapability(name, capabilities);
    const auto it = capabilities.find(name);
    return it != capabilities.end() &&
           (it->second == QLatin1String("ON") || it->second == QLatin1String("on"));
}

bool AnySceneHasSoundCheck(const CDialogManager& manager) {
    for (const auto& [token, names] : manager.SceneFunctions()) {
        if (names.contains(QLatin1String(kSoundFunction))) {
            return true;
        }
    }
    return false;
}

}  // namespace

CIndexPageHeader::CIndexPageHeader() : stripFont_(vexo::kIndexHeaderStripFont) {}

CIndexPageHeader::~CIndexPageHeader() = default;

void CIndexPageHeader::Create(CDialogManager* manager, QWidget* parent, int width) {
    const vexo::ComTexts& texts = vexo::TheComStr().Texts();
    const auto make = [&](Index index, const QSize& size, const QString& text, int normal,
                          int selected) {
        vexo::CAutoXpBtn& button = buttons_[index];
        button.Create(kXpBase + index, parent, QRect(QPoint(0, 0), size), vexo::kAutoStyleNone,
                      text);
        button.SetImages(normal, selected);
        button.Control()->setFont(stripFont_);
    };
    make(kSceneView, kModeSize, texts.sceneSet, 260, 261);
    make(kSoundView, kModeSize, texts.soundAbnormalCheck, 260, 261);
    make(kTourView, kModeSize, texts.sceneTourSet, 260, 261);
    make(kHelp, kHelpSize, texts.help, 229, 229);
    make(kSwitch, kSwitchSize, texts.smartSwitch, 249, 250);
    make(kAddScene, kAddSceneSize, texts.addScene, 676, 676);
    const std::pair<Index, QString> tips[] = {
        {kSceneView, texts.sceneViewTip}, {kSoundView, texts.soundViewTip},
        {kTourView, texts.tourViewTip},   {kHelp, texts.helpTip},
        {kSwitch, texts.smartSwitchTip},  {kAddScene, texts.addSceneTip}};
    for (const auto& [index, tip] : tips) {
        vexo::Describe(buttons_[index].Control(), tip);
    }
    buttons_[kSceneView].Control()->SetSelected(1);
    buttons_[kHelp].Show(0);
    buttons_[kSwitch].Show(0);
    buttons_[kTourView].Show(0);
    buttons_[kAddScene].Show(0);
    Offer(manager);
    Layout(width);
}

void CIndexPageHeader::Offer(CDialogManager* manager) {
    const bool sound = manager != nullptr && AnySceneHasSoundCheck(*manager);
    buttons_[kSoundView].Show(sound ? 1 : 0);
    buttons_[kSoundView].Control()->move(kModeSize.width(), 0);
    buttons_[kTourView].Control()->move(kModeSize.width() * (sound ? 2 : 1), 0);
    addSceneOffered_ = false;
    if (manager != nullptr) {
        CSmartXmlParse& context = manager->DeviceContext();
        buttons_[kTourView].Show(CapabilityOn(context, QStringLiteral("TourScene")) ? 1 : 0);
        addSceneOffered_ = CapabilityOn(context, QStringLiteral("AddScene"));
    }
    // Add scene belongs to the scene view only.
    buttons_[kAddScene].Show(addSceneOffered_ && mode_ == kSceneView ? 1 : 0);
}

void CIndexPageHeader::Layout(int width) {
    const int right = width - kRightMargin;
    for (Index index : {kAddScene, kSwitch}) {
        if (QWidget* button = buttons_[index].Control()) {
            button->move(right - button->width(), (37 - button->height()) / 2);
        }
    }
    if (QWidget* help = buttons_[kHelp].Control(); help && buttons_[kAddScene].Control()) {
        help->move(buttons_[kAddScene].Control()->x() - 10 - help->width(),
                   (37 - help->height()) / 2);
    }
}

bool CIndexPageHeader::OnCommand(int index) {
    if (index < kSceneView || index > kHelp) {
        return false;
    }
    if (index == kSwitch) {
        buttons_[kSwitch].Control()->SetSelected(buttons_[kSwitch].Control()->GetSelected() ? 0
                                                                                            : 1);
        return true;
    }
    if (index == kHelp) {
        return true;
    }
    mode_ = index;
    for (int mode = kSceneView; mode <= kTourView; ++mode) {
        buttons_[mode].Control()->SetSelected(mode == index ? 1 : 0);
    }
    // Back in the scene view add scene shows again, but never on a device
    // whose capability does not offer it.
    if (index == kSceneView) {
        buttons_[kAddScene].Show(addSceneOffered_ ? 1 : 0);
    } else if (index == kTourView) {
        buttons_[kAddScene].Show(0);
    }
    return true;
}
