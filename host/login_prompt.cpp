#include "login_prompt.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace host {

bool AskForLogin(HostOptions& options) {
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Log into a device"));
    auto* device = new QLineEdit(options.device, &dialog);
    device->setPlaceholderText(QStringLiteral("192.0.2.10:80"));
    auto* user = new QLineEdit(options.user, &dialog);
    auto* password = new QLineEdit(options.password, &dialog);
    password->setEchoMode(QLineEdit::Password);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setEnabled(!options.device.isEmpty());
    QObject::connect(device, &QLineEdit::textChanged,
                     [ok](const QString& text) { ok->setEnabled(!text.trimmed().isEmpty()); });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* form = new QFormLayout(&dialog);
    form->addRow(QStringLiteral("Device (host:port)"), device);
    form->addRow(QStringLiteral("User"), user);
    form->addRow(QStringLiteral("Password"), password);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    options.device = device->text().trimmed();
    options.user = user->text();
    options.password = password->text();
    return true;
}

}  // namespace host
