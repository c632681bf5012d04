// Presses on the direction pad as the window system delivers them: to the
// widget under the cursor, which the wedges' shapes decide. (Host scripts
// send their presses to a named widget and so never see that choice.)
// Every press on the round pad moves the dome by the angle table, on the
// hub and in the gaps between the wedges too; beside the pad, and while a
// module tab hides it, nothing moves.
#include <QPointer>
#include <QWindow>
#include <cmath>
#include <numbers>

#include "../control/control_fixture.h"
#include "json_text.h"
#include "scene_set_body.h"
#include "scene_set_ptz_controls.h"
#include "smart_scene_set.h"

namespace {

class PtzPadPress : public ControlFixture {
protected:
    // The pad's point at `degrees` and `radius` from its centre, in the
    // control window's pixels.
    QPoint PadPoint(double degrees, double radius) const {
        QWidget* pad = AutoWidget(CSceneSetBaseWithPtz::kPadId);
        const QPointF centre = QPointF(pad->mapTo(control_.get(), QPoint(0, 0))) +
                               QPointF(pad->width() / 2.0, pad->height() / 2.0);
        const double radians = degrees * std::numbers::pi / 180;
        return QPointF(centre.x() + radius * std::cos(radians),
                       centre.y() - radius * std::sin(radians))
            .toPoint();
    }
    // A press and release at `at`: the PTZ commands sent, with their stop
    // flags ("8/0 8/1" for a left move started and stopped).
    std::string PressAt(QPoint at) {
        const size_t before = sim_.Journal().size();
        QWindow* window = control_->windowHandle();
        QTest::mousePress(window, Qt::LeftButton, {}, at);
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
        std::string sent;
        const std::vector<Json::Value> journal = sim_.Journal();
        for (size_t i = before; i < journal.size(); ++i) {
            if (journal[i]["path"].asString() == "/vexo/v1/ptz") {
                Json::Value request;
                vexo::ParseJson(journal[i]["request"].asString(), request);
                sent += (sent.empty() ? "" : " ") + std::to_string(request["command"].asInt()) +
                        "/" + std::to_string(request["stop"].asInt());
            }
        }
        return sent;
    }
};

TEST_F(PtzPadPress, EveryPressOnThePadMovesByItsAngle) {
    ASSERT_TRUE(Login());
    auto* page = dynamic_cast<CSmartSceneSet*>(PageWidget(1));
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(page->OpenSceneAt(0));
    ASSERT_NE(AutoWidget(CSceneSetBaseWithPtz::kPadId), nullptr);

    // On a wedge: up.
    EXPECT_EQ(PressAt(PadPoint(90, 55)), "6/0 6/1");
    // On the hub: its angle as anywhere else; 180 degrees is no range's and
    // moves left, as do the bounds.
    EXPECT_EQ(PressAt(PadPoint(180, 12)), "8/0 8/1");
    EXPECT_EQ(PressAt(PadPoint(45, 12)), "11/0 11/1");
    EXPECT_EQ(PressAt(PadPoint(-90, 12)), "7/0 7/1");
    // In the gaps between two wedges (every 45 degrees from 22.5).
    EXPECT_EQ(PressAt(PadPoint(112.5, 55)), "6/0 6/1");
    EXPECT_EQ(PressAt(PadPoint(157.5, 55)), "10/0 10/1");
    EXPECT_EQ(PressAt(PadPoint(-157.5, 55)), "12/0 12/1");
    EXPECT_EQ(PressAt(PadPoint(-22.5, 55)), "9/0 9/1");
    // Beside the round pad, in its square's corner.
    EXPECT_EQ(PressAt(PadPoint(45, 110)), "");

    // A module tab hides the pad: a press where its hub was moves nothing.
    const QPoint hub = PadPoint(180, 12);
    auto* tab =
        qobject_cast<QAbstractButton*>(AutoWidget(18000 + CSceneSetBodyTitle::kFirstModuleTab));
    ASSERT_NE(tab, nullptr);
    tab->click();
    EXPECT_EQ(PressAt(hub), "");
}

}  // namespace
