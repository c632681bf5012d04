#pragma once
// A window of the host with one embedded control filling it, as a page
// gives an embedded object its rectangle.

#include <QPointer>
#include <QWidget>

namespace host {

class HostWindow : public QWidget {
    Q_OBJECT
public:
    explicit HostWindow(QWidget* parent = nullptr);

    // The control becomes a child filling the window.
    void Embed(QWidget* control);
    QWidget* Control() const { return m_control; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<QWidget> m_control;
};

}  // namespace host
