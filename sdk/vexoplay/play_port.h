#pragma once
// One open stream of the play library: its stream header, the window it is
// shown in and its overlay items. Every member is guarded by the port's lock,
// because the network thread opens and plays a port while the UI thread adds
// items and paints.

#include <QPointer>
#include <QWidget>
#include <atomic>
#include <memory>
#include <mutex>

#include "overlay_list.h"

namespace vexoplay {

class OverlayView;

struct StreamHeader {
    QString codec;
    int width = 0;
    int height = 0;
};

// Reads the stream header packet (device input). False for anything that is
// not a JSON object with a known codec and a picture size of 1..8192.
bool ParseStreamHeader(const uint8_t* data, int32_t length, StreamHeader& header);

class PlayPort : public std::enable_shared_from_this<PlayPort> {
public:
    explicit PlayPort(const StreamHeader& header) : header_(header) {}

    // Binds the port to a window; the overlay view is created on the
    // window's thread, so this may be called from any thread.
    bool Play(QWidget* window);
    void Stop();
    void Resize(int width, int height);

    // Runs f on the item list under the lock and, when it reports a change,
    // schedules a repaint of the window.
    template <typename F>
    auto Change(F&& f) {
        std::lock_guard lock(mutex_);
        auto result = f(items_);
        if (result) {
            ScheduleRepaintLocked();
        }
        return result;
    }
    template <typename F>
    auto Read(F&& f) const {
        std::lock_guard lock(mutex_);
        return f(items_);
    }

    // Called by the view on the UI thread.
    void PaintItems(QPainter& painter) const;
    void ViewGone(OverlayView* view);

private:
    void ScheduleRepaintLocked();
    void DropViewLocked();
    void CreateView(QWidget* window);

    mutable std::mutex mutex_;
    StreamHeader header_;
    OverlayList items_;
    QPointer<QWidget> window_;
    OverlayView* view_ = nullptr;  // owned by the window (Qt parent)
    mutable std::atomic<bool> repaintPending_{false};
    int generation_ = 0;  // bumped by Stop so a late view creation is dropped
};

}  // namespace vexoplay
