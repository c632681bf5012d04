#pragma once
// The list of normal alarms on the normal arming page: one owner-drawn
// button per alarm the device reports, in a column that scrolls when the
// device has more alarms than fit, the current alarm's button selected.

#include <QRect>
#include <QScrollArea>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "auto_controls.h"
#include "command_records.h"

namespace vexo {

struct NormalAlarmEntry {
    QString type;
    QString token;
    QString label;
};

// One entry per alarm, in the device's order. The label is the alarm type's
// display name, or the type itself when the localisation file has none (so
// that no alarm becomes unreachable); a type the device lists more than once
// (two alarm inputs) adds the token, so that the buttons can be told apart.
std::vector<NormalAlarmEntry> NormalAlarmEntries(
    const std::vector<NormalAlarmFun>& funs,
    const std::function<QString(const QString& type)>& displayName);

class NormalAlarmList {
public:
    // Button identifiers: owner-drawn base + kFirstOffset + index.
    static constexpr int kFirstOffset = 200;
    // The owner-drawn range left between the alarm buttons and the pane's
    // play button (18394): alarms after these are not listed.
    static constexpr int kMaxAlarms = 190;

    NormalAlarmList();
    ~NormalAlarmList();

    // The list's frame in `parent`.
    void Create(QWidget* parent, const QRect& rect, const QFont& font);
    // Replaces the buttons by one per entry (at most kMaxAlarms).
    void SetEntries(const std::vector<NormalAlarmEntry>& entries);
    // The list at `rect` (the page fits its window): the buttons share the
    // new width.
    void Place(const QRect& rect);
    void SetCurrent(int index);
    // Marks the button of `index` as holding unsaved edits; the others lose
    // the mark.
    void MarkEdited(int index, bool edited);
    int Count() const { return static_cast<int>(buttons_.size()); }
    QWidget* Button(int index) const {
        return index >= 0 && index < Count() ? buttons_[index]->Control() : nullptr;
    }
    // The index of the button with command offset `offset`, or -1.
    int IndexOfOffset(int offset) const;

private:
    std::unique_ptr<QScrollArea> area_;
    QWidget* content_ = nullptr;  // owned by the area
    QFont font_;
    std::vector<std::unique_ptr<CAutoXpBtn>> buttons_;
    std::vector<QString> labels_;    // each button's whole name
    std::vector<QString> captions_;  // as shown (elided) without the edits' mark
    int markedIndex_ = -1;           // the alarm marked as edited

    void LayOutButtons();
};

}  // namespace vexo
