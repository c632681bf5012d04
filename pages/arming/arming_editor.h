#pragma once
// What the guard schedule grid and the linkage editor share: the device
// context they talk through, the owner whose record they edit (a rule of an
// analytics function, or a normal alarm), the "Batch Settings" box that
// marks the record for the batch export, and the rule batch that sends the
// record to other rules of the same function. Neither editor knows which
// page hosts it; the host sets all of this before Init.

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "auto_notification.h"
#include "param_record.h"
#include "rule_batch.h"
#include "stored_check.h"

class CSmartXmlParse;

namespace vexo {

class CAutoBtnPush;

class ArmingEditor : public QWidget, public AutoCommandTarget {
    Q_OBJECT
public:
    explicit ArmingEditor(QWidget* parent = nullptr) : QWidget(parent) {}

    // --- set by the host before Init -----------------------------------------
    void SetDeviceContext(CSmartXmlParse* context) { m_context = context; }
    // The owner: the rule's function and token, or the normal alarm's type
    // and token. `secondText` is copied into the record.
    void SetIdentity(const QString& funName, const QString& token, const QString& secondText = {});
    // Allows the rule batch and gives the rules the chooser offers (the
    // current analytics function's rules). Without it the button is shown
    // disabled.
    void SetRuleBatch(bool allowed, std::vector<BatchRule> rules = {});

    // The "Batch Settings" box: ticked marks the record for the export.
    void SetBatchCheck(bool checked);
    bool BatchChecked() const;

    const QString& FunName() const { return m_funName; }
    const QString& Token() const { return m_token; }

    // Unsaved edits: what the editor shows differs from what was last read
    // from the device or saved to it.
    virtual bool IsModified() const = 0;

signals:
    // The operator may have changed something (a press, a key, a button of
    // the editor's), or a save made the editor unchanged again.
    void Edited();

protected:
    // Tells the host after every input that may change the editor.
    bool event(QEvent* event) override;

    using SendCommand = int (CSmartXmlParse::*)(const ParamRecord&);
    using ReadCommand = int (CSmartXmlParse::*)(ParamRecord&);
    using Compare = StoredDifferences (*)(const ParamRecord&, const ParamRecord&);

    // The editor's controls, null before they exist.
    virtual QWidget* RuleBatchButton() const = 0;
    virtual CAutoBtnPush* BatchCheckBox() const = 0;

    // An empty record addressed to the owner.
    ParamRecord OwnerRecord() const;
    // Sends `record`, then reads it back with `read` (stored_check.h): shows
    // "Save Success" with what the device stored differently, or the
    // device's error text. Accepted, the editor takes the device's version
    // when it differs (TakeSaved). Returns the send's result (0 without a
    // device context).
    int SaveRecord(SendCommand send, ReadCommand read, Compare compare, const ParamRecord& record);
    // Offers the rule chooser below the rule batch button and sends `record`
    // to every rule the operator ticks, each read back with `read`. When the
    // rule the editor shows was among them, the editor takes what was stored.
    void OfferRuleBatch(SendCommand send, ReadCommand read, Compare compare,
                        const ParamRecord& record);
    // After the device accepted the editor's record: the editor is no longer
    // modified and, given the device's differing version, shows that.
    virtual void TakeSaved(const std::optional<ParamRecord>& stored) = 0;

    CSmartXmlParse* m_context = nullptr;  // not owned
    QString m_funName;
    QString m_token;
    QString m_secondText;
    bool m_ruleBatchAllowed = false;
    std::vector<BatchRule> m_rules;
};

}  // namespace vexo
