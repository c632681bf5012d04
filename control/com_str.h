#pragma once
// CComStr: the process-wide language and the built-in texts in it. The texts
// are filled for "chinese" at construction. Setting "english" or "chinese"
// refills them; any other language keeps the texts that were there, so an
// unknown language never leaves the operator with empty labels. The four
// lists are emptied on every change and refilled only for the two languages.

#include <QString>
#include <QStringList>

#include "com_texts.h"

namespace vexo {

class CComStr {
public:
    CComStr();

    void SetLanguage(const QString& language);
    const QString& Language() const { return m_language; }

    const ComTexts& Texts() const { return m_texts; }
    const ComTexts* operator->() const { return &m_texts; }

    // Monday first.
    const QStringList& WeekdayNames() const { return m_weekdays; }
    const QStringList& LinkageMethodNames() const { return m_linkageMethods; }
    const QStringList& AlarmOutputNames() const { return m_alarmOutputs; }
    const QStringList& RecordLinkageNames() const { return m_recordLinkages; }
    // The device's analytics event names, compared with what the device
    // reports; the same in every language. One entry is empty.
    const QStringList& EventNames() const { return m_eventNames; }

private:
    QString m_language;
    ComTexts m_texts;
    QStringList m_weekdays;
    QStringList m_linkageMethods;
    QStringList m_alarmOutputs;
    QStringList m_recordLinkages;
    QStringList m_eventNames;
};

// The one instance of the process.
CComStr& TheComStr();

}  // namespace vexo
