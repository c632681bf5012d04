// The script's `ui` object over a small window of identified widgets: which
// widget an identifier finds, what it reports, and that the operations reach
// the widgets as an operator's input would.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QJSEngine>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>

#include "auto_base.h"
#include "popup_answerer.h"
#include "ui_driver.h"

namespace {

// Records the mouse events it gets, with the buttons held.
class MouseRecorder : public QWidget {
public:
    using QWidget::QWidget;
    QStringList events;

protected:
    void mousePressEvent(QMouseEvent* event) override { Record("press", event); }
    void mouseMoveEvent(QMouseEvent* event) override { Record("move", event); }
    void mouseReleaseEvent(QMouseEvent* event) override { Record("release", event); }

private:
    void Record(const char* kind, QMouseEvent* event) {
        events << QStringLiteral("%1 %2,%3 %4")
                      .arg(QLatin1String(kind))
                      .arg(event->position().x())
                      .arg(event->position().y())
                      .arg(event->buttons() == Qt::LeftButton ? "held" : "free");
    }
};

template <class T>
T* Identified(QWidget* parent, int id, QRect geometry) {
    auto* widget = new T(parent);
    widget->setProperty(vexo::kAutoIdProperty, id);
    widget->setGeometry(geometry);
    return widget;
}

class UiDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        control.resize(400, 300);
        hiddenPage = new QWidget(&control);
        hiddenPage->setProperty("vexoPage", 0);
        hiddenPage->hide();
        shownPage = new QWidget(&control);
        shownPage->setProperty("vexoPage", 2);
        shownPage->setGeometry(0, 40, 400, 260);
        Identified<QLineEdit>(hiddenPage, 5, {0, 0, 50, 20});
        button = Identified<QPushButton>(shownPage, 5, {10, 10, 60, 24});
        button->setText("Go");
        combo = Identified<QComboBox>(shownPage, 6, {10, 50, 80, 24});
        combo->addItems({"a", "b", "c"});
        box = Identified<QCheckBox>(shownPage, 7, {10, 90, 80, 24});
        edit = Identified<QLineEdit>(shownPage, 8, {10, 130, 80, 24});
        recorder = Identified<MouseRecorder>(shownPage, 9, {100, 10, 200, 200});
        control.show();
        ui.SetOrigin(&control);
        engine.globalObject().setProperty("ui", engine.newQObject(&ui));
        QJSEngine::setObjectOwnership(&ui, QJSEngine::CppOwnership);
    }

    QJSValue Run(const QString& program) {
        const QJSValue result = engine.evaluate(program);
        EXPECT_FALSE(result.isError()) << result.toString().toStdString();
        return result;
    }

    QWidget control;
    QWidget* hiddenPage = nullptr;
    QWidget* shownPage = nullptr;
    QPushButton* button = nullptr;
    QComboBox* combo = nullptr;
    QCheckBox* box = nullptr;
    QLineEdit* edit = nullptr;
    MouseRecorder* recorder = nullptr;
    QJSEngine engine;
    host::PopupAnswerer answerer;
    host::UiDriver ui{engine, answerer};
};

TEST_F(UiDriverTest, FindPrefersTheVisibleWidgetAndReportsItInControlPixels) {
    EXPECT_EQ(Run("JSON.stringify(ui.find(5))").toString().toStdString(),
              R"({"exists":true,"visible":true,"enabled":true,"text":"Go","checked":false,)"
              R"("items":[],"currentIndex":-1,"x":10,"y":50,"width":60,"height":24})");
    EXPECT_EQ(Run("ui.findAll(5).map(w => w.visible).join()").toString(), "true,false");
    EXPECT_EQ(Run("ui.find(6).items.join() + ui.find(6).currentIndex").toString(), "a,b,c0");
    EXPECT_FALSE(Run("ui.find(404).exists").toBool());
    EXPECT_EQ(Run("ui.page()").toInt(), 2);
}

TEST_F(UiDriverTest, OperationsReachTheWidgets) {
    QSignalSpy clicked(button, &QPushButton::clicked);
    QSignalSpy activated(combo, &QComboBox::activated);
    QSignalSpy finished(edit, &QLineEdit::editingFinished);
    EXPECT_TRUE(Run("ui.click(5)").toBool());
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_TRUE(Run("ui.select(6, 'c') && ui.select(6, 1)").toBool());
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_EQ(activated.count(), 2);
    EXPECT_FALSE(Run("ui.select(6, 'z') || ui.select(6, 9)").toBool());
    box->setCheckable(true);
    EXPECT_TRUE(Run("ui.check(7, true) && ui.check(7, true)").toBool());
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(Run("ui.setText(8, 'hello')").toBool());
    EXPECT_EQ(edit->text(), "hello");
    EXPECT_EQ(finished.count(), 1);

    button->setEnabled(false);
    EXPECT_FALSE(Run("ui.click(5)").toBool());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(UiDriverTest, DragSendsPressMovesWithTheButtonHeldAndRelease) {
    EXPECT_TRUE(Run("ui.drag(9, 0, 0, 80, 40)").toBool());
    ASSERT_EQ(recorder->events.size(), 10);
    EXPECT_EQ(recorder->events.first(), "press 0,0 held");
    EXPECT_EQ(recorder->events[4], "move 40,20 held");
    EXPECT_EQ(recorder->events.last(), "release 80,40 free");
    EXPECT_TRUE(engine.evaluate("ui.mouse(9, 'hover', 1, 1)").isError());
}

}  // namespace
