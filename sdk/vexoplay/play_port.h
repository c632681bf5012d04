#pragma once
// One open stream of the play library: its stream header, its decoder, the
// newest decoded picture, the window it is shown in and its overlay items.
// Every member is guarded by the port's lock, because the network thread
// opens, plays and feeds a port, the decoder thread hands pictures over and
// the UI thread adds items and paints.

#include <QPointer>
#include <QWidget>
#include <atomic>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>

#include "metadata_painter.h"
#include "overlay_list.h"
#include "picture_painter.h"
#include "stream_decoder.h"
#include "vexoplay.h"

namespace vexoplay {

class OverlayView;

struct StreamHeader {
    QString codec;
    int width = 0;
    int height = 0;
    QByteArray extradata;  // codec set-up bytes, optional
};

// Reads the stream header packet (device input). False for anything that is
// not a JSON object with a known codec and a picture size of 1..8192.
bool ParseStreamHeader(const uint8_t* data, int32_t length, StreamHeader& header);

// Reads "capture_us" (a positive integer) from a metadata packet (device
// input). False for anything else.
bool ParseCaptureTime(const uint8_t* data, int32_t length, int64_t& captureUs);

class PlayPort : public std::enable_shared_from_this<PlayPort> {
public:
    PlayPort(int32_t id, const StreamHeader& header) : id_(id), header_(header) {}
    ~PlayPort();

    // Starts the decoder thread; false when the codec cannot be opened.
    bool Open();
    // Ends the decoder thread and unbinds the window. Not under any lock of
    // the caller: it waits for the decoder, which takes the port's lock.
    void Close();
    bool Input(const uint8_t* data, int32_t length);
    bool WaitIdle(int timeoutMs);
    void MediaInfo(VexoplayMediaInfo& info) const;
    // The capture time of the picture the window painted last; false while
    // none was painted or its metadata carried none.
    bool ShownCaptureTime(int64_t& captureUs) const;

    void SetDrawCallback(VEXOPLAY_DrawCallback callback, void* user);
    void SetSmoothLevel(int32_t level);
    void SetMetadataConfig(const std::string& key, const std::string& value);
    std::string MetadataConfig(const std::string& key) const;
    // A new option also clears the hits counted so far.
    void SetMetadataOption(const std::string& option);
    std::string MetadataOption() const;
    // Start events of a rule of a chosen function since the option was set.
    int MetadataHits(const std::string& function, const std::string& rule) const;
    // What the last paint drew of the metadata.
    MetadataDrawn LastMetadataDrawn() const;

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

    // Called by the view on the UI thread: the newest picture scaled into
    // the area (converted there, see picture_painter.h), the items over it,
    // then the draw callback.
    void Paint(QPainter& painter, const QRect& area) const;
    void PaintItems(QPainter& painter) const;
    bool HasPicture() const;
    void ViewGone(OverlayView* view);

private:
    void ScheduleRepaintLocked();
    void DropViewLocked();
    void CreateView(QWidget* window);
    void TakePicture(std::shared_ptr<const DecodedPicture> picture, int64_t sequence);
    void NoteMetadata(const uint8_t* data, int32_t length);

    mutable std::mutex mutex_;
    const int32_t id_;
    const StreamHeader header_;
    OverlayList items_;
    QPointer<QWidget> window_;
    OverlayView* view_ = nullptr;  // owned by the window (Qt parent)
    mutable std::atomic<bool> repaintPending_{false};
    int generation_ = 0;  // bumped by Stop so a late view creation is dropped

    std::unique_ptr<StreamDecoder> decoder_;         // created by Open, never replaced
    std::shared_ptr<const DecodedPicture> picture_;  // newest decoded picture
    // Converts and paints pictures; touched by Paint on the UI thread only,
    // so the port's lock does not guard it.
    mutable PicturePainter painter_;

    // Capture times by packet sequence. Video packets are numbered as they
    // are queued; the metadata packet that follows one names its capture
    // time. The marks cover more packets than the decoder queue holds, so a
    // picture still finds its mark when it is painted.
    struct CaptureMark {
        int64_t sequence;
        std::shared_ptr<const PictureMetadata> metadata;
    };
    // The shape of a rule that fired, drawn for a second from the first
    // paint of the picture whose metadata told of it.
    struct Flash {
        QString key;  // function and rule
        std::vector<QPointF> shape;
        int64_t sequence;
        int64_t shownAtMs;  // 0 until painted
    };
    static constexpr int64_t kFlashMs = 1000;
    static constexpr size_t kMaxFlashes = 32;
    std::vector<std::vector<QPointF>> FlashesToPaintLocked() const;
    static constexpr size_t kMaxCaptureMarks = 256;
    int64_t lastSequence_ = 0;       // handed to the newest queued packet
    int64_t lastVideoSequence_ = 0;  // the packet a metadata packet belongs to
    std::deque<CaptureMark> captureMarks_;
    int64_t pictureSequence_ = 0;        // of picture_
    mutable int64_t shownSequence_ = 0;  // of the picture painted last, 0 for none
    VEXOPLAY_DrawCallback drawCallback_ = nullptr;
    void* drawUser_ = nullptr;
    int32_t smoothLevel_ = 0;
    std::map<std::string, std::string> metadataConfig_;
    std::string metadataOption_;
    MetadataChoice metadataChoice_;
    std::map<std::string, int> metadataHits_;  // by function "\n" rule
    mutable std::vector<Flash> flashes_;
    mutable MetadataDrawn lastDrawn_;
};

}  // namespace vexoplay
