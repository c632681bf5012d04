// The four-image bitmap button, the picture static's background, the
// off-screen buffer and the tool tip helper. Which statics report clicks is
// auto_controls_test's (OnlyTheBitmapFormOfAStaticReportsClicks).
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "bitmap_button.h"
#include "breakdown_static.h"
#include "mem_dc.h"
#include "tool_tip_help.h"

using namespace vexo;

namespace {
QPixmap Solid(const QColor& color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return pixmap;
}
}  // namespace

TEST(BitmapButton, DrawsTheImageOfItsCurrentLook) {
    CBitmapButton button;
    button.SetImages(Solid(Qt::red), Solid(Qt::green), Solid(Qt::blue), Solid(Qt::gray));
    button.resize(button.sizeHint());
    EXPECT_EQ(button.size(), QSize(16, 16));
    button.show();
    auto painted = [&] { return button.grab().toImage().pixelColor(8, 8); };
    EXPECT_EQ(painted(), QColor(Qt::red));
    button.setDown(true);
    EXPECT_EQ(painted(), QColor(Qt::green));
    button.setDown(false);
    button.setEnabled(false);
    EXPECT_EQ(painted(), QColor(Qt::gray));
}

TEST(BitmapButton, MissingLooksFallBackToTheNormalImage) {
    CBitmapButton button;
    button.SetImages(Solid(Qt::red), {}, {}, {});
    button.setEnabled(false);
    EXPECT_EQ(button.CurrentImage().toImage().pixelColor(1, 1), QColor(Qt::red));
}

TEST(BreakDownStatic, PaintsItsBackground) {
    CBreakDownStatic label;
    label.resize(60, 20);
    label.SetBackground(Solid(Qt::darkCyan));
    label.setText(QStringLiteral("x"));
    label.show();
    EXPECT_EQ(label.grab().toImage().pixelColor(1, 1), QColor(Qt::darkCyan));
}

TEST(MemDc, CopiesItsRectangleOverTheTargetOnlyWhenDone) {
    QImage target(40, 40, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::red);
    {
        QPainter painter(&target);
        {
            GDI_CMemDC buffer(painter, QRect(10, 10, 20, 20));
            buffer->fillRect(QRect(10, 10, 5, 5), Qt::blue);
            // Nothing reaches the target while drawing goes on.
            EXPECT_EQ(target.pixelColor(12, 12), QColor(Qt::red));
        }
    }
    EXPECT_EQ(target.pixelColor(12, 12), QColor(Qt::blue));
    // Undrawn parts of the rectangle are copied too (a straight copy).
    EXPECT_EQ(target.pixelColor(25, 25).alpha(), 0);
    // Outside the rectangle nothing changes.
    EXPECT_EQ(target.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(target.pixelColor(35, 35), QColor(Qt::red));
}

TEST(ToolTipHelp, DeactivatingHidesAndReactivatingRestoresTheTexts) {
    QWidget first;
    QWidget second;
    CToolTipHelp tips;
    tips.AddTool(&first, QStringLiteral("one"));
    tips.AddTool(&second, QStringLiteral("two"));
    EXPECT_EQ(first.toolTip(), QStringLiteral("one"));
    tips.Activate(false);
    EXPECT_TRUE(first.toolTip().isEmpty());
    EXPECT_TRUE(second.toolTip().isEmpty());
    tips.Activate(true);
    EXPECT_EQ(second.toolTip(), QStringLiteral("two"));
    tips.DelTool(&first);
    EXPECT_TRUE(first.toolTip().isEmpty());
    EXPECT_EQ(tips.ToolCount(), 1);
}
