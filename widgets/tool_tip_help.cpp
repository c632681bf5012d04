#include "tool_tip_help.h"

#include <algorithm>

namespace vexo {

void ChainTabs(const std::vector<QWidget*>& chain) {
    QWidget* previous = nullptr;
    for (QWidget* widget : chain) {
        if (!widget) {
            continue;
        }
        if (previous) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void Describe(QWidget* widget, const QString& tip) {
    if (!widget) {
        return;
    }
    widget->setToolTip(tip);
    const QVariant text = widget->property("text");
    const QString shown = text.isValid() ? text.toString() : QString();
    widget->setAccessibleName(shown.isEmpty() ? tip : shown);
}

void CToolTipHelp::AddTool(QWidget* widget, const QString& text) {
    if (!widget) {
        return;
    }
    DelTool(widget);
    m_tools.push_back({widget, text});
    widget->setToolTip(m_active ? text : QString());
}

void CToolTipHelp::DelTool(QWidget* widget) {
    auto gone = std::remove_if(m_tools.begin(), m_tools.end(), [widget](const Tool& tool) {
        return tool.widget == widget || tool.widget.isNull();
    });
    m_tools.erase(gone, m_tools.end());
    if (widget) {
        widget->setToolTip(QString());
    }
}

void CToolTipHelp::Activate(bool active) {
    m_active = active;
    for (const Tool& tool : m_tools) {
        if (tool.widget) {
            tool.widget->setToolTip(active ? tool.text : QString());
        }
    }
}

int CToolTipHelp::ToolCount() const {
    return static_cast<int>(std::count_if(m_tools.begin(), m_tools.end(),
                                          [](const Tool& tool) { return !tool.widget.isNull(); }));
}

}  // namespace vexo
