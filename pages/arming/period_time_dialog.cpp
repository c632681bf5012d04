#include "period_time_dialog.h"

#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "auto_base.h"
#include "com_str.h"
#include "editor_ids.h"
#include "message_display.h"

namespace vexo {

namespace {

QLineEdit* TimeEdit(QDialog& dialog, int id, const QString& text) {
    auto* edit = new QLineEdit(text, &dialog);
    edit->setProperty(kAutoIdProperty, id);
    edit->setPlaceholderText(QStringLiteral("HH:MM"));
    edit->setMaxLength(5);
    return edit;
}

}  // namespace

bool AskPeriodTimes(QWidget* parent, QString& start, QString& end) {
    const CComStr& texts = TheComStr();
    QDialog dialog(parent);
    dialog.setWindowTitle(texts->schedule);
    // What host tools record of the popup: the period as it stands.
    dialog.setProperty(kPopupTextProperty, start + QStringLiteral(" - ") + end);
    QLineEdit* startEdit = TimeEdit(dialog, editor_ids::kSchedulePeriodStart, start);
    QLineEdit* endEdit = TimeEdit(dialog, editor_ids::kSchedulePeriodEnd, end);
    auto* ok = new QPushButton(texts->ok, &dialog);
    ok->setObjectName(QLatin1String(kPopupOkName));
    ok->setDefault(true);
    auto* cancel = new QPushButton(texts->cancel, &dialog);
    cancel->setObjectName(QLatin1String(kPopupCancelName));
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);

    auto* form = new QFormLayout(&dialog);
    form->addRow(texts->startTime, startEdit);
    form->addRow(texts->endTime, endEdit);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    form->addRow(buttons);
    startEdit->selectAll();
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    start = startEdit->text();
    end = endEdit->text();
    return true;
}

}  // namespace vexo
