#include "linkage_editor.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "colorref.h"
#include "com_str.h"
#include "editor_ids.h"
#include "smart_xml_parse.h"
#include "ui_helpers.h"

namespace vexo {
namespace {

namespace ids = editor_ids;

constexpr COLORREF kFrameColour = 0xBBBBBC;
constexpr COLORREF kGroupColour = 0xFAF6F2;
constexpr COLORREF kGroupEdgeColour = 0xE2D9CF;

// Layout (pixels). The space under the last slots is kept for the buttons.
constexpr int kFooterHeight = 150;
constexpr int kGroupOffset = 20;  // a group starts this far below its slot's top
constexpr int kTitleHeight = 20;
constexpr int kBoxHeight = 22;
constexpr int kBoxMinWidth = 120;
constexpr int kLeft = 16;
constexpr int kBoxLeft = 28;
constexpr int kButtonWidth = 130;
constexpr int kButtonHeight = 26;
constexpr int kButtonImage = 246;
// Buttons go this far above the bottom when the last group is high enough,
// otherwise this far below the last group's start.
constexpr int kButtonsAboveBottom = 140;
constexpr int kButtonsBelowLastGroup = 90;
constexpr int kLowSlotLimit = 3;

}  // namespace

struct LinkageEditor::Controls {
    std::vector<std::unique_ptr<CAutoStatic>> titles;
    std::vector<std::unique_ptr<CAutoBtnPush>> boxes;
    std::vector<QRect> groupAreas;
    CAutoXpBtn ruleBatch;
    CAutoBtnPush batchCheck;
};

LinkageEditor::LinkageEditor(QWidget* parent) : ArmingEditor(parent) {
    setProperty(kAutoIdProperty, ids::kLinkageArea);
}

LinkageEditor::~LinkageEditor() = default;

QWidget* LinkageEditor::RuleBatchButton() const {
    return m_controls ? m_controls->ruleBatch.Control() : nullptr;
}

CAutoBtnPush* LinkageEditor::BatchCheckBox() const {
    return m_controls ? &m_controls->batchCheck : nullptr;
}

void LinkageEditor::Init() {
    ClearControls();
    Load();
    BuildControls();
    update();
}

int LinkageEditor::Load() {
    ParamRecord record = OwnerRecord();
    const int result = m_context ? m_context->GetActionTrigger(record) : 0;
    Take(record);
    return result;
}

void LinkageEditor::Take(const ParamRecord& record) {
    m_record = record;
    const int groups = static_cast<int>(m_record.objectParams.size());
    m_groups = ReadLinkageGroups(m_record, std::max(groups - 1, 0));
    m_storedStates = ActionStates();
}

QStringList LinkageEditor::ActionStates() const {
    QStringList states;
    for (const LinkageGroup& group : m_groups) {
        for (const LinkageAction& action : group.actions) {
            states.append(action.name +
                          (action.active ? QStringLiteral("=1") : QStringLiteral("=0")));
        }
    }
    return states;
}

int LinkageEditor::Save() {
    ParamRecord record = m_record;
    record.token = m_token;
    record.funName = m_funName;
    return SaveRecord(&CSmartXmlParse::SetActionTrigger, &CSmartXmlParse::GetActionTrigger,
                      &CompareRecords, record);
}

void LinkageEditor::TakeSaved(const std::optional<ParamRecord>& stored) {
    m_storedStates = ActionStates();
    if (stored) {
        // The boxes show the device's states; the export mark stays.
        const bool batch = BatchChecked();
        Take(*stored);
        BuildControls();
        SetBatchCheck(batch);
        update();
    }
}

int LinkageEditor::GetTriggerRecord(ParamRecord& record) const {
    if (!BatchChecked()) {
        return 0;
    }
    record = m_record;
    record.token = m_token;
    record.funName = m_funName;
    record.secondText = m_secondText;
    return 1;
}

void LinkageEditor::ClearControls() {
    m_controls.reset();
    update();
}

// The device's name of a group or action in the operator's language.
static QString DisplayName(const CSmartXmlParse* context, const QString& name) {
    QString text = name;
    if (context) {
        context->GetDisplayText(name, text);
    }
    return text;
}

void LinkageEditor::BuildControls() {
    m_controls = std::make_unique<Controls>();
    Controls& c = *m_controls;
    const int groupCount = static_cast<int>(m_groups.size());
    const int groupHeight =
        std::max(kTitleHeight + kBoxHeight + kGroupOffset,
                 (height() - kHeaderHeight - kFooterHeight) / std::max(groupCount, 1));
    const QFontMetrics metrics(font());
    int actionIndex = 0;
    int lastStart = kHeaderHeight + kGroupOffset;
    int lastSlot = 0;
    // Groups and actions past the identifier windows get no control: a
    // device has a handful, and a broken one must not bury the panel.
    for (int g = 0;
         g < std::min(groupCount, ids::kLinkageMaxGroups) && actionIndex < ids::kLinkageMaxActions;
         ++g) {
        const LinkageGroup& group = m_groups[g];
        const int start = kHeaderHeight + group.slot * groupHeight + kGroupOffset;
        lastStart = start;
        lastSlot = group.slot;
        auto title = std::make_unique<CAutoStatic>();
        title->Create(ids::kLinkageGroupTitle + g, this,
                      QRect(kLeft, start, width() - 2 * kLeft, kTitleHeight), kAutoStyleNone,
                      DisplayName(m_context, group.name));
        c.titles.push_back(std::move(title));

        int x = kBoxLeft;
        int y = start + kTitleHeight + 2;
        for (const LinkageAction& action : group.actions) {
            if (actionIndex == ids::kLinkageMaxActions) {
                break;
            }
            const QString label = DisplayName(m_context, action.name);
            const int boxWidth = std::max(kBoxMinWidth, metrics.horizontalAdvance(label) + 32);
            if (x > kBoxLeft && x + boxWidth > width() - kLeft) {
                x = kBoxLeft;
                y += kBoxHeight;
            }
            auto box = std::make_unique<CAutoBtnPush>();
            box->Create(ids::kLinkageAction + actionIndex, this, QRect(x, y, boxWidth, kBoxHeight),
                        kAutoStyleNone, label);
            box->StoreSpec(action.name, {});
            box->SetCheck(action.active ? 1 : 0);
            c.boxes.push_back(std::move(box));
            x += boxWidth + 8;
            ++actionIndex;
        }
        c.groupAreas.push_back(
            QRect(QPoint(kLeft - 8, start - 2), QPoint(width() - kLeft + 8, y + kBoxHeight + 2)));
    }

    const int buttonsTop = lastSlot <= kLowSlotLimit ? height() - kButtonsAboveBottom
                                                     : lastStart + kButtonsBelowLastGroup;
    const CComStr& texts = TheComStr();
    c.ruleBatch.Create(ids::kLinkageRuleBatch, this,
                       QRect(kLeft, buttonsTop, kButtonWidth, kButtonHeight), kAutoStyleNone,
                       RuleBatchCaption());
    c.ruleBatch.SetImages(kButtonImage, kButtonImage);
    c.ruleBatch.Control()->setEnabled(m_ruleBatchAllowed);
    c.batchCheck.Create(ids::kLinkageBatchCheck, this,
                        QRect(kLeft + kButtonWidth + 16, buttonsTop, 160, kButtonHeight),
                        kAutoStyleNone, texts->batchSettings);
}

void LinkageEditor::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_controls) {
        return;
    }
    // The boxes show the record's states, so a new layout loses nothing but
    // the export mark, which is carried over.
    const bool batch = BatchChecked();
    BuildControls();
    SetBatchCheck(batch);
}

void LinkageEditor::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Paint(painter);
}

void LinkageEditor::Paint(QPainter& painter) {
    painter.setPen(ColorFromRef(kFrameColour));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_controls) {
        return;
    }
    painter.setPen(ColorFromRef(kGroupEdgeColour));
    painter.setBrush(ColorFromRef(kGroupColour));
    for (const QRect& area : m_controls->groupAreas) {
        painter.drawRoundedRect(area, 4, 4);
    }
}

bool LinkageEditor::OnAutoNotify(const AutoNotification& notification) {
    const bool taken = notification.code == AutoNotify::Clicked && OnCommand(notification.id);
    if (taken) {
        emit Edited();
    }
    return taken;
}

bool LinkageEditor::OnCommand(int id) {
    if (id == ids::kLinkageRuleBatch) {
        RunRuleBatch();
        return true;
    }
    if (id == ids::kLinkageBatchCheck) {
        return true;  // read when the export asks
    }
    if (id >= ids::kLinkageAction && id < ids::kLinkageAction + ids::kLinkageMaxActions) {
        ToggleAction(id);
        return true;
    }
    return false;
}

void LinkageEditor::ToggleAction(int id) {
    if (!m_controls) {
        return;
    }
    const auto box = std::find_if(m_controls->boxes.begin(), m_controls->boxes.end(),
                                  [id](const auto& control) { return control->Id() == id; });
    if (box == m_controls->boxes.end()) {
        return;
    }
    const QString action = (*box)->Name();
    const bool active = (*box)->GetCheck() == 1;
    SetLinkageAction(m_record, action, active);
    // Every box of the same action shows the new state, in every group.
    for (const auto& control : m_controls->boxes) {
        if (control->Name() == action) {
            control->SetCheck(active ? 1 : 0);
        }
    }
    for (LinkageGroup& group : m_groups) {
        for (LinkageAction& entry : group.actions) {
            if (entry.name == action) {
                entry.active = active;
            }
        }
    }
}

void LinkageEditor::RunRuleBatch() {
    if (!m_ruleBatchAllowed || !m_context) {
        return;
    }
    ParamRecord record = m_record;
    record.funName = m_funName;
    OfferRuleBatch(&CSmartXmlParse::SetActionTrigger, &CSmartXmlParse::GetActionTrigger,
                   &CompareRecords, record);
}

}  // namespace vexo
