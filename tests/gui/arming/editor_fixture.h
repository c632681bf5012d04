#pragma once
// A page holding one editor, a device context logged into a simulator and
// addressing one rule, a recorder in place of the message display, and an
// operator who answers the next chooser.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>

#include "../popup/next_popup.h"
#include "auto_base.h"
#include "com_str.h"
#include "json_text.h"
#include "panel_device.h"
#include "qstring_print.h"
#include "recording_message_display.h"
#include "sim_process.h"
#include "xp_button.h"

namespace vexo::test {

class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        TheComStr().SetLanguage(QStringLiteral("english"));
        ASSERT_TRUE(sim_.Start());
        ASSERT_TRUE(device_.Connect(sim_.Address(), SimProcess::kUser, SimProcess::kPassword));
        for (const RuleRef& rule : device_.Rules()) {
            if (rule.fun == QStringLiteral("zelk:Intrusion_Event")) {
                rule_ = rule;
            }
        }
        ASSERT_FALSE(rule_.token.isEmpty());
        device_.Parse().SetReferenceScene(QString(), rule_.scene);
        SetMessageDisplay(&messages_);
        page_.resize(960, 480);
        page_.show();
    }
    void TearDown() override {
        SetMessageDisplay(nullptr);
        TheComStr().SetLanguage(QStringLiteral("english"));
    }

    DeviceCommandChannel& Channel() { return *device_.Parse().Channel(); }

    // Another rule of the same function on the same scene.
    QString AddRule(const QString& token) {
        ParamRecord record;
        record.funName = rule_.fun;
        record.token = token;
        return Channel().AddRule(rule_.scene, record) == 1 ? token : QString();
    }

    // Scripts the device's next replies to `op`.
    void Script(const char* op, const std::string& reply) {
        ASSERT_EQ(sim_.Script(op, reply), 200);
    }
    // The "info" of the last request `op` the device received.
    Json::Value LastRequest(const std::string& op) {
        Json::Value found;
        for (const Json::Value& line : sim_.Journal()) {
            Json::Value request;
            vexo::ParseJson(line["request"].asString(), request);
            if (request["op"].asString() == op) {
                found = request["info"];
            }
        }
        return found;
    }

    template <class W = QWidget>
    static W* ById(QWidget* root, int id) {
        for (W* widget : root->findChildren<W*>()) {
            if (widget->property(kAutoIdProperty).toInt() == id) {
                return widget;
            }
        }
        return nullptr;
    }
    static void Click(QWidget* widget) {
        ASSERT_NE(widget, nullptr);
        auto* button = qobject_cast<QAbstractButton*>(widget);
        ASSERT_NE(button, nullptr);
        button->click();
    }
    // One mouse event at `point` of `widget`, as a host's driver sends it.
    static void Mouse(QWidget* widget, QEvent::Type type, QPoint point,
                      Qt::MouseButtons held = Qt::NoButton) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(point), QPointF(widget->mapToGlobal(point)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    static void Drag(QWidget* widget, QPoint from, QPoint to) {
        Mouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
        for (int step = 1; step <= 4; ++step) {
            Mouse(widget, QEvent::MouseMove, from + (to - from) * step / 4, Qt::LeftButton);
        }
        Mouse(widget, QEvent::MouseButtonRelease, to);
    }
    static void Click(QWidget* widget, QPoint point) {
        Mouse(widget, QEvent::MouseButtonPress, point, Qt::LeftButton);
        Mouse(widget, QEvent::MouseButtonRelease, point);
    }

    SimProcess sim_;
    PanelDevice device_;
    RuleRef rule_;
    RecordingMessageDisplay messages_;
    QWidget page_;
    PopupOperator popups_;
};

}  // namespace vexo::test
