#pragma once
// The script's `ui` object: finds the control's widgets by their control
// identifier (the vexoAutoId property) and works them the way an operator
// would: buttons by a click, other widgets by real mouse events.
// Coordinates are the identified widget's own pixels.

#include <QEvent>
#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QWidget>

namespace host {

class PopupAnswerer;

class UiDriver : public QObject {
    Q_OBJECT
public:
    UiDriver(QJSEngine& engine, PopupAnswerer& answerer, QObject* parent = nullptr);

    // The widget the positions of find() are measured from (the control).
    void SetOrigin(QWidget* origin) { m_origin = origin; }

    Q_INVOKABLE QJSValue find(int id);
    Q_INVOKABLE QJSValue findAll(int id);
    Q_INVOKABLE bool click(int id);
    Q_INVOKABLE bool doubleClick(int id);
    Q_INVOKABLE QJSValue property(int id, const QString& name);
    Q_INVOKABLE bool setText(int id, const QString& text);
    Q_INVOKABLE bool select(int id, const QJSValue& indexOrText);
    Q_INVOKABLE bool check(int id, bool on);
    Q_INVOKABLE bool mouse(int id, const QString& kind, double x, double y);
    Q_INVOKABLE bool key(int id, const QString& sequence);
    // The keyboard focus: focus(id) gives it to the widget as the operator's
    // click would; focused() is the identifier of the widget holding it in
    // the control's window (or of its nearest parent with one), 0 for none.
    // Tab and Shift+Tab sent with key() move on from the widget holding it.
    Q_INVOKABLE bool focus(int id);
    Q_INVOKABLE int focused();
    Q_INVOKABLE bool drag(int id, int x1, int y1, int x2, int y2);
    Q_INVOKABLE int page();
    Q_INVOKABLE bool openScene(int index);
    Q_INVOKABLE QJSValue shade(int id, int columns, int rows);
    Q_INVOKABLE QJSValue messages();
    Q_INVOKABLE void answer(const QString& how);
    Q_INVOKABLE void saveAs(const QString& path);
    Q_INVOKABLE void choose(const QJSValue& items);

    // Every widget carrying `id`, visible ones first, then by page number
    // (widgets outside the pages first) and tree order.
    static QList<QWidget*> WidgetsWithId(int id);

private:
    QJSValue Describe(QWidget* widget);
    QWidget* Usable(int id);  // the first visible, enabled widget, else null
    void SendMouse(QWidget* widget, QEvent::Type type, const QPointF& position,
                   Qt::MouseButton button, Qt::MouseButtons held);

    QJSEngine& m_engine;
    PopupAnswerer& m_answerer;
    QPointer<QWidget> m_origin;
    Qt::MouseButtons m_held = Qt::NoButton;
};

}  // namespace host
