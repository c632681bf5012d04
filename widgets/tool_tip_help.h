#pragma once
// CToolTipHelp: the pages' tool tip control. It keeps the tool tip texts of
// the widgets it was given and can switch them all off and on again.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

namespace vexo {

class CToolTipHelp {
public:
    void AddTool(QWidget* widget, const QString& text);
    void DelTool(QWidget* widget);
    void Activate(bool active);
    bool IsActive() const { return m_active; }
    int ToolCount() const;

private:
    struct Tool {
        QPointer<QWidget> widget;
        QString text;
    };
    std::vector<Tool> m_tools;
    bool m_active = true;
};

}  // namespace vexo
