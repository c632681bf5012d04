#pragma once
// The Qt widgets that stand for each auto-generated control class, how a
// creation style is applied to each of them and which of their signals become
// which notification. Kept apart from CAutoBase so that the template only
// names the per-widget steps.

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSlider>
#include <QString>

#include "bitmap_button.h"
#include "breakdown_static.h"
#include "gdip_button.h"
#include "spin_arrows.h"
#include "xp_button.h"

namespace vexo {

// Extra creation styles, added to the class's own style.
enum AutoStyle : unsigned {
    kAutoStyleNone = 0,
    kAutoStyleDropDown = 0x1,      // combo box: editable drop-down
    kAutoStyleDropDownList = 0x2,  // combo box: pick from the list only (the default)
    kAutoStyleBitmapNotify = 0x4,  // static: shows a picture and reports clicks
};

// Applies the creation style and window text to a freshly created widget.
void ConfigureAutoWidget(QCheckBox* widget, unsigned style, const QString& text);
void ConfigureAutoWidget(CXPButton* widget, unsigned style, const QString& text);
void ConfigureAutoWidget(CGdipButton* widget, unsigned style, const QString& text);
void ConfigureAutoWidget(CBitmapButton* widget, unsigned style, const QString& text);
void ConfigureAutoWidget(QComboBox* widget, unsigned style, const QString& text);
void ConfigureAutoWidget(QLineEdit* widget, unsigned style, const QString& text);
void ConfigureAutoWidget(SpinArrows* widget, unsigned style, const QString& text);
void ConfigureAutoWidget(CBreakDownStatic* widget, unsigned style, const QString& text);
void ConfigureAutoWidget(QSlider* widget, unsigned style, const QString& text);
void ConfigureAutoWidget(QListWidget* widget, unsigned style, const QString& text);

// Connects the widget's signals so that they reach the owning page with `id`.
void ConnectAutoNotifications(QAbstractButton* widget, int id);
void ConnectAutoNotifications(QComboBox* widget, int id);
void ConnectAutoNotifications(QLineEdit* widget, int id);
void ConnectAutoNotifications(SpinArrows* widget, int id);
void ConnectAutoNotifications(CBreakDownStatic* widget, int id);
void ConnectAutoNotifications(QSlider* widget, int id);
void ConnectAutoNotifications(QListWidget* widget, int id);

}  // namespace vexo
