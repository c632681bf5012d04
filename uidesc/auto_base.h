#pragma once
// CAutoBase<T>: the owner object of one run-time control. It creates one
// widget of type T, gives it an identifier from its class's range, remembers
// the parameter the control edits, and destroys the widget with itself.

#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include "auto_ids.h"
#include "auto_platform.h"
#include "auto_value_record.h"

namespace vexo {

// Name of the dynamic property that carries a control's identifier, so that
// tools and tests can find a widget by the identifier the page knows.
inline constexpr char kAutoIdProperty[] = "vexoAutoId";

template <class T>
class CAutoBase {
public:
    explicit CAutoBase(int classNumber) : m_classBase(AutoIdBase(classNumber)) {}
    virtual ~CAutoBase() { delete m_control.data(); }

    CAutoBase(const CAutoBase&) = delete;
    CAutoBase& operator=(const CAutoBase&) = delete;

    // Creates the widget as a visible child of `parent` at `rect`. The
    // identifier is taken as given, even -1 (the caller's window of
    // identifiers was full); such a control is never found by offset.
    // Returns 1 on success, 0 when there is no parent to create it in.
    int Create(int id, QWidget* parent, const QRect& rect, unsigned extraStyle = kAutoStyleNone,
               const QString& text = {}) {
        if (!parent) {
            return 0;
        }
        delete m_control.data();
        T* control = new T(parent);
        m_id = id;
        m_rect = rect;
        m_control = control;
        control->setProperty(kAutoIdProperty, id);
        control->setGeometry(rect);
        ConfigureAutoWidget(control, m_classStyle | extraStyle, text);
        ConnectAutoNotifications(control, id);
        control->show();
        return 1;
    }

    void StoreSpec(const QString& name, const AutoValueRecord& value) {
        m_name = name;
        m_value = value;
    }
    void SetLinks(int linked, const QList<LinkCondition>& links) {
        m_linked = linked;
        m_links = links;
    }

    // Shows (1) or hides (0) the widget and records the state.
    void Show(int visible) {
        m_visible = visible ? 1 : 0;
        if (m_control) {
            m_control->setVisible(m_visible == 1);
        }
    }

    int Offset() const { return m_id - m_classBase; }
    int Id() const { return m_id; }
    int ClassBase() const { return m_classBase; }
    T* Control() const { return m_control.data(); }
    const QRect& Rect() const { return m_rect; }
    int Visible() const { return m_visible; }

    int ShowWithPanel() const { return m_showWithPanel; }
    void SetShowWithPanel(int show) { m_showWithPanel = show; }
    int ShowAllShapes() const { return m_showAll; }
    void SetShowAllShapes(int showAll) { m_showAll = showAll; }

    const QString& Name() const { return m_name; }
    const AutoValueRecord& Value() const { return m_value; }
    const QList<LinkCondition>& Links() const { return m_links; }
    int Linked() const { return m_linked; }

protected:
    // The class's own creation style; set by the concrete class.
    unsigned m_classStyle = kAutoStyleNone;

private:
    QRect m_rect;
    int m_visible = 0;
    int m_showWithPanel = 1;
    int m_showAll = 0;
    int m_id = -1;
    int m_classBase;
    // Guarded: when the parent window goes first it takes the widget with it.
    QPointer<T> m_control;
    QString m_name;
    AutoValueRecord m_value;
    QList<LinkCondition> m_links;
    int m_linked = 0;
};

}  // namespace vexo
