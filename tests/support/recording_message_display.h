#pragma once
// A message display that records what the control shows and asks, and
// answers as the test says, in place of the popups.

#include <QPoint>
#include <QString>
#include <vector>

#include "message_display.h"

namespace vexo::test {

struct RecordingMessageDisplay : MessageDisplay {
    struct Shown {
        QString title;
        QString text;
    };
    int ShowText(const QString& title, const QString& text) override {
        shown.push_back({title, text});
        return answer;
    }
    int Ask(const QPoint& topLeft, int askedForm, int* chosen) override {
        where = topLeft;
        form = askedForm;
        if (chosen && answer == 1) {
            *chosen = value;
        }
        return answer;
    }

    std::vector<Shown> shown;
    int answer = 1;  // what every message and question returns
    int value = 0;   // what a question with a value hands back on OK
    QPoint where;    // where the last question was asked, and in which form
    int form = -1;
};

}  // namespace vexo::test
