#pragma once
// A video window as the pane gives it to the session: a black widget whose
// mouse input goes to the overlay renderer in video pixels, with a play-library
// port playing into it.
#include <gtest/gtest.h>
#include <QApplication>
#include <QByteArray>
#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include "show_ai_config.h"
#include "vexoplay.h"

class VideoWindow : public QWidget {
public:
    explicit VideoWindow(vexo::CShowAIConfig& renderer) : renderer_(renderer) {
        setAutoFillBackground(true);
        setPalette(QPalette(Qt::black, Qt::black));
        setFixedSize(704, 576);
    }
    int drawingEnded = 0;
    QString endedKey;
    int32_t endedCount = -1;

protected:
    void mousePressEvent(QMouseEvent* e) override {
        renderer_.OnButtonDown(0, e->position().toPoint(), rect());
    }
    void mouseMoveEvent(QMouseEvent* e) override {
        renderer_.OnMouseMove(0, e->position().toPoint(), rect());
    }
    bool event(QEvent* e) override {
        if (e->type() == vexo::CDrawingEndedEvent::kType) {
            auto* ended = static_cast<vexo::CDrawingEndedEvent*>(e);
            ++drawingEnded;
            endedKey = ended->Key();
            endedCount = ended->First();
            return true;
        }
        return QWidget::event(e);
    }

private:
    vexo::CShowAIConfig& renderer_;
};

// One window, one port and one renderer per test.
class VideoTest : public ::testing::Test {
protected:
    void SetUp() override {
        VEXOPLAY_Init();
        const QByteArray header = R"({"codec":"h264","width":704,"height":576})";
        port = VEXOPLAY_OpenStream(reinterpret_cast<const uint8_t*>(header.data()),
                                   static_cast<int32_t>(header.size()));
        ASSERT_GE(port, 0);
        window.show();
        ASSERT_EQ(VEXOPLAY_Play(port, &window, 0, 0), 1);
        renderer.SetVideoWindow(&window);
        renderer.SetVideoRect(QRect(0, 0, 704, 576));
        QApplication::processEvents();
    }
    void TearDown() override {
        VEXOPLAY_Stop(port);
        VEXOPLAY_CloseStream(port);
        VEXOPLAY_Cleanup();
        QApplication::processEvents();
    }
    QImage Grab() {
        QApplication::processEvents();
        return window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    vexo::CShowAIConfig renderer;
    VideoWindow window{renderer};
    int32_t port = -1;
};
