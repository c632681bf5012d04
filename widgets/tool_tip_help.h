#pragma once
// CToolTipHelp: the pages' tool tip control. It keeps the tool tip texts of
// the widgets it was given and can switch them all off and on again.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <vector>

namespace vexo {

// Gives `widget` its tool tip and the name assistive tools read: the
// widget's own text when it shows one, else the tip (picture buttons).
void Describe(QWidget* widget, const QString& tip);

// Tab moves through `chain` in this order (null entries are skipped; hidden
// or disabled widgets are passed over by Tab itself).
void ChainTabs(const std::vector<QWidget*>& chain);

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
