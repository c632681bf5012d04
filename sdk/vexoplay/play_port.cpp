#include "play_port.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaObject>
#include <QThread>

#include "overlay_view.h"

namespace vexoplay {

bool ParseStreamHeader(const uint8_t* data, int32_t length, StreamHeader& header) {
    constexpr int32_t kMaxHeader = 64 * 1024;
    constexpr int kMaxSide = 8192;
    if (data == nullptr || length <= 0 || length > kMaxHeader) {
        return false;
    }
    QJsonParseError error;
    const QJsonDocument doc =
        QJsonDocument::fromJson(QByteArray(reinterpret_cast<const char*>(data), length), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) {
        return false;
    }
    const QJsonObject object = doc.object();
    const QString codec = object.value(QStringLiteral("codec")).toString();
    const int width = object.value(QStringLiteral("width")).toInt(0);
    const int height = object.value(QStringLiteral("height")).toInt(0);
    if ((codec != QLatin1String("h264") && codec != QLatin1String("mjpeg")) || width < 1 ||
        width > kMaxSide || height < 1 || height > kMaxSide) {
        return false;
    }
    header = {codec, width, height};
    return true;
}

bool PlayPort::Play(QWidget* window) {
    if (window == nullptr) {
        return false;
    }
    int generation;
    {
        std::lock_guard lock(mutex_);
        if (view_ != nullptr && window_ == window) {
            return true;
        }
        DropViewLocked();  // playing into another window: leave the old one
        window_ = window;
        generation = ++generation_;
    }
    // Widgets belong to their thread: the network thread that plays a port
    // only asks the window's thread to create the view.
    auto self = shared_from_this();
    QPointer<QWidget> target(window);
    auto create = [self, target, generation] {
        if (target.isNull()) {
            return;
        }
        {
            std::lock_guard lock(self->mutex_);
            if (self->generation_ != generation || self->view_ != nullptr) {
                return;
            }
        }
        self->CreateView(target.data());
    };
    if (QThread::currentThread() == window->thread()) {
        create();
    } else {
        QMetaObject::invokeMethod(window, create, Qt::QueuedConnection);
    }
    return true;
}

void PlayPort::CreateView(QWidget* window) {
    auto* view = new OverlayView(window, weak_from_this());
    {
        std::lock_guard lock(mutex_);
        view_ = view;
    }
    view->show();
}

void PlayPort::Stop() {
    std::lock_guard lock(mutex_);
    ++generation_;
    window_.clear();
    DropViewLocked();
}

void PlayPort::DropViewLocked() {
    if (view_ == nullptr) {
        return;
    }
    // The view is hidden and deleted on its own thread; the queued call is
    // dropped if the window took the view with it first.
    OverlayView* view = view_;
    QMetaObject::invokeMethod(
        view,
        [view] {
            view->hide();
            view->deleteLater();
        },
        Qt::QueuedConnection);
    view_ = nullptr;
}

void PlayPort::Resize(int width, int height) {
    std::lock_guard lock(mutex_);
    if (view_ != nullptr) {
        QPointer<QWidget> view(view_);
        QMetaObject::invokeMethod(
            view_,
            [view, width, height] {
                if (!view.isNull()) {
                    view->resize(width, height);
                }
            },
            Qt::QueuedConnection);
    }
}

void PlayPort::PaintItems(QPainter& painter) const {
    std::lock_guard lock(mutex_);
    repaintPending_ = false;
    items_.Paint(painter);
}

void PlayPort::ViewGone(OverlayView* view) {
    std::lock_guard lock(mutex_);
    if (view_ == view) {
        view_ = nullptr;
    }
}

void PlayPort::ScheduleRepaintLocked() {
    // One queued update per burst: a rule adds a dozen items in a row.
    if (view_ == nullptr || repaintPending_.exchange(true)) {
        return;
    }
    QMetaObject::invokeMethod(view_, "update", Qt::QueuedConnection);
}

}  // namespace vexoplay
