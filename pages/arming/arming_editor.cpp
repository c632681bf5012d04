#include "arming_editor.h"

#include <QEvent>
#include <utility>

#include "auto_controls.h"
#include "smart_xml_parse.h"
#include "ui_helpers.h"

namespace vexo {

bool ArmingEditor::event(QEvent* event) {
    const QEvent::Type type = event->type();
    const bool taken = QWidget::event(event);
    if (type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonPress ||
        type == QEvent::MouseButtonDblClick || type == QEvent::KeyPress) {
        emit Edited();
    }
    return taken;
}

void ArmingEditor::SetIdentity(const QString& funName, const QString& token,
                               const QString& secondText) {
    m_funName = funName;
    m_token = token;
    m_secondText = secondText;
}

void ArmingEditor::SetRuleBatch(bool allowed, std::vector<BatchRule> rules) {
    m_ruleBatchAllowed = allowed;
    m_rules = std::move(rules);
    if (QWidget* button = RuleBatchButton()) {
        button->setEnabled(allowed);
    }
}

void ArmingEditor::SetBatchCheck(bool checked) {
    if (CAutoBtnPush* box = BatchCheckBox()) {
        box->SetCheck(checked ? 1 : 0);
    }
}

bool ArmingEditor::BatchChecked() const {
    const CAutoBtnPush* box = BatchCheckBox();
    return box && box->Control() && box->GetCheck() == 1;
}

ParamRecord ArmingEditor::OwnerRecord() const {
    ParamRecord record;
    record.token = m_token;
    record.funName = m_funName;
    record.secondText = m_secondText;
    return record;
}

int ArmingEditor::SaveRecord(SendCommand send, ReadCommand read, Compare compare,
                             const ParamRecord& record) {
    if (!m_context) {
        return 0;
    }
    const int result = (m_context->*send)(record);
    if (result != 1) {
        m_context->ShowDeviceError();
        return result;
    }
    ParamRecord stored = OwnerRecord();
    StoredDifferences differences;
    if ((m_context->*read)(stored)) {
        differences = compare(record, stored);
    }
    ShowSaveSuccess(differences);
    TakeSaved(differences.empty() ? std::nullopt : std::optional<ParamRecord>(std::move(stored)));
    emit Edited();
    return result;
}

void ArmingEditor::OfferRuleBatch(SendCommand send, ReadCommand read, Compare compare,
                                  const ParamRecord& record) {
    if (!m_ruleBatchAllowed || !m_context) {
        return;
    }
    QPoint position = mapToGlobal(rect().center());
    if (const QWidget* button = RuleBatchButton()) {
        position = button->mapToGlobal(QPoint(0, button->height() + 4));
    }
    CSmartXmlParse* context = m_context;
    const RuleBatchExchange exchange{
        [context, send](const ParamRecord& copy) { return (context->*send)(copy); },
        [context, read](ParamRecord& stored) { return (context->*read)(stored) == 1; }, compare};
    const RuleBatchOutcome outcome =
        RunRuleBatch(this, position, m_rules, m_token, record, context, exchange);
    if (outcome.currentSaved) {
        TakeSaved(outcome.currentStored);
        emit Edited();
    }
}

}  // namespace vexo
