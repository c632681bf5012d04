#include "host_window.h"

namespace host {

HostWindow::HostWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("vexo-host"));
}

void HostWindow::Embed(QWidget* control) {
    m_control = control;
    control->setParent(this);
    control->setGeometry(rect());
    control->show();
}

void HostWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_control) {
        m_control->setGeometry(rect());
    }
}

}  // namespace host
