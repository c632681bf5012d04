#include "play_port.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QMetaObject>
#include <QPainter>
#include <QThread>
#include <algorithm>

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
    QByteArray extradata;
    const QJsonValue extra = object.value(QStringLiteral("extradata"));
    if (!extra.isUndefined() && !extra.isNull()) {
        const auto decoded = QByteArray::fromBase64Encoding(
            extra.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        if (!extra.isString() || !decoded) {
            return false;
        }
        extradata = *decoded;
    }
    header = {codec, width, height, extradata};
    return true;
}

bool ParseCaptureTime(const uint8_t* data, int32_t length, int64_t& captureUs) {
    PictureMetadata metadata;
    if (!ParsePictureMetadata(data, length, metadata) || metadata.captureUs <= 0) {
        return false;
    }
    captureUs = metadata.captureUs;
    return true;
}

PlayPort::~PlayPort() {
    if (decoder_ != nullptr) {
        decoder_->Stop();
    }
}

bool PlayPort::Open() {
    // The decoder outlives no port: Close (or the destructor) joins it, so
    // the sink may use the port directly.
    decoder_ = std::make_unique<StreamDecoder>(
        header_, [this](std::shared_ptr<const DecodedPicture> picture, int64_t sequence) {
            TakePicture(std::move(picture), sequence);
        });
    return decoder_->Ready();
}

void PlayPort::Close() {
    if (decoder_ != nullptr) {
        decoder_->Stop();
    }
    Stop();
}

bool PlayPort::Input(const uint8_t* data, int32_t length) {
    // The session hands every stream packet over without its type, so the
    // analytics metadata (a JSON object) arrives here too. It never starts
    // like a coded picture (an Annex-B start code begins with 0, a JPEG with
    // 0xFF), so it is recognised by its first byte and kept away from the
    // decoder, which would count every one of them as a broken packet.
    if (decoder_ == nullptr) {
        return false;
    }
    if (data != nullptr && length > 0 && data[0] == '{') {
        NoteMetadata(data, length);
        return true;
    }
    int64_t sequence;
    {
        std::lock_guard lock(mutex_);
        sequence = ++lastSequence_;
    }
    if (!decoder_->Input(data, length, sequence)) {
        return false;
    }
    std::lock_guard lock(mutex_);
    lastVideoSequence_ = std::max(lastVideoSequence_, sequence);
    return true;
}

void PlayPort::NoteMetadata(const uint8_t* data, int32_t length) {
    auto metadata = std::make_shared<PictureMetadata>();
    if (!ParsePictureMetadata(data, length, *metadata)) {
        return;
    }
    std::lock_guard lock(mutex_);
    // One mark per video packet: a second metadata packet after the same
    // picture describes no picture of its own.
    if (lastVideoSequence_ == 0 ||
        (!captureMarks_.empty() && captureMarks_.back().sequence >= lastVideoSequence_)) {
        return;
    }
    for (const MetadataEvent& event : metadata->events) {
        if (!event.start) {
            continue;
        }
        if (metadataChoice_.functions.contains(event.function)) {
            ++metadataHits_[event.function.toStdString() + '\n' + event.rule.toStdString()];
        }
        if (!metadataChoice_.DrawsEvent(event.function) || event.shape.empty()) {
            continue;
        }
        // A rule firing again while it shows stays red a second longer.
        const QString key = event.function + u'\n' + event.rule;
        const auto shown = std::find_if(flashes_.begin(), flashes_.end(),
                                        [&key](const Flash& flash) { return flash.key == key; });
        if (shown != flashes_.end()) {
            shown->shape = event.shape;
            shown->shownAtMs = 0;
        } else if (flashes_.size() < kMaxFlashes) {
            flashes_.push_back({key, event.shape, lastVideoSequence_, 0});
        }
    }
    captureMarks_.push_back({lastVideoSequence_, std::move(metadata)});
    if (captureMarks_.size() > kMaxCaptureMarks) {
        captureMarks_.pop_front();
    }
}

std::vector<std::vector<QPointF>> PlayPort::FlashesToPaintLocked() const {
    std::vector<std::vector<QPointF>> shapes;
    const int64_t now = QDateTime::currentMSecsSinceEpoch();
    for (auto it = flashes_.begin(); it != flashes_.end();) {
        if (it->sequence > shownSequence_) {
            ++it;  // its picture is not on screen yet
            continue;
        }
        if (it->shownAtMs == 0) {
            it->shownAtMs = now;
        }
        if (now - it->shownAtMs >= kFlashMs) {
            it = flashes_.erase(it);
            continue;
        }
        shapes.push_back(it->shape);
        ++it;
    }
    return shapes;
}

bool PlayPort::ShownCaptureTime(int64_t& captureUs) const {
    std::lock_guard lock(mutex_);
    if (shownSequence_ == 0) {
        return false;
    }
    const auto it = std::lower_bound(
        captureMarks_.begin(), captureMarks_.end(), shownSequence_,
        [](const CaptureMark& mark, int64_t sequence) { return mark.sequence < sequence; });
    if (it == captureMarks_.end() || it->sequence != shownSequence_ ||
        it->metadata->captureUs <= 0) {
        return false;
    }
    captureUs = it->metadata->captureUs;
    return true;
}

bool PlayPort::WaitIdle(int timeoutMs) {
    return decoder_ != nullptr && decoder_->WaitIdle(timeoutMs);
}

void PlayPort::TakePicture(std::shared_ptr<const DecodedPicture> picture, int64_t sequence) {
    // Only the newest picture is kept: a window that paints late skips the
    // pictures in between instead of falling behind the stream.
    std::lock_guard lock(mutex_);
    picture_ = std::move(picture);
    pictureSequence_ = sequence;
    ScheduleRepaintLocked();
}

void PlayPort::MediaInfo(VexoplayMediaInfo& info) const {
    info = VexoplayMediaInfo{};
    const DecoderCounters counters = decoder_ != nullptr ? decoder_->Counters() : DecoderCounters{};
    std::lock_guard lock(mutex_);
    if (picture_ == nullptr) {
        info.width = VEXOPLAY_NO_PICTURE_WIDTH;
        info.height = VEXOPLAY_NO_PICTURE_HEIGHT;
    } else {
        info.width = static_cast<uint16_t>(picture_->Size().width());
        info.height = static_cast<uint16_t>(picture_->Size().height());
    }
    info.codec =
        header_.codec == QLatin1String("h264") ? VEXOPLAY_CODEC_H264 : VEXOPLAY_CODEC_MJPEG;
    info.streamWidth = header_.width;
    info.streamHeight = header_.height;
    info.packetsIn = counters.packetsIn;
    info.packetsDropped = counters.packetsDropped;
    info.framesDecoded = counters.framesDecoded;
    info.smoothLevel = smoothLevel_;
}

void PlayPort::SetDrawCallback(VEXOPLAY_DrawCallback callback, void* user) {
    std::lock_guard lock(mutex_);
    drawCallback_ = callback;
    drawUser_ = user;
}

void PlayPort::SetSmoothLevel(int32_t level) {
    std::lock_guard lock(mutex_);
    smoothLevel_ = level;
}

void PlayPort::SetMetadataConfig(const std::string& key, const std::string& value) {
    std::lock_guard lock(mutex_);
    metadataConfig_[key] = value;
}

std::string PlayPort::MetadataConfig(const std::string& key) const {
    std::lock_guard lock(mutex_);
    const auto it = metadataConfig_.find(key);
    return it == metadataConfig_.end() ? std::string() : it->second;
}

void PlayPort::SetMetadataOption(const std::string& option) {
    std::lock_guard lock(mutex_);
    metadataOption_ = option;
    metadataChoice_ = MetadataChoice::FromOption(QString::fromLocal8Bit(option));
    metadataHits_.clear();
    flashes_.clear();
}

int PlayPort::MetadataHits(const std::string& function, const std::string& rule) const {
    std::lock_guard lock(mutex_);
    const auto it = metadataHits_.find(function + '\n' + rule);
    return it == metadataHits_.end() ? 0 : it->second;
}

MetadataDrawn PlayPort::LastMetadataDrawn() const {
    std::lock_guard lock(mutex_);
    return lastDrawn_;
}

std::string PlayPort::MetadataOption() const {
    std::lock_guard lock(mutex_);
    return metadataOption_;
}

void PlayPort::Paint(QPainter& painter, const QRect& area) const {
    std::shared_ptr<const DecodedPicture> picture;
    VEXOPLAY_DrawCallback callback;
    void* user;
    int32_t port;
    std::shared_ptr<const PictureMetadata> metadata;
    std::vector<std::vector<QPointF>> fired;
    MetadataChoice choice;
    QString language;
    {
        std::lock_guard lock(mutex_);
        picture = picture_;  // shared, not copied
        if (picture != nullptr) {
            shownSequence_ = pictureSequence_;
            // The metadata drawn is the shown picture's own.
            const auto mark = std::lower_bound(
                captureMarks_.begin(), captureMarks_.end(), shownSequence_,
                [](const CaptureMark& m, int64_t sequence) { return m.sequence < sequence; });
            if (mark != captureMarks_.end() && mark->sequence == shownSequence_) {
                metadata = mark->metadata;
            }
            fired = FlashesToPaintLocked();
        }
        choice = metadataChoice_;
        const auto found = metadataConfig_.find("MetadataViewer.Language");
        if (found != metadataConfig_.end()) {
            language = QString::fromLocal8Bit(found->second);
        }
        callback = drawCallback_;
        user = drawUser_;
        port = id_;
    }
    MetadataDrawn drawn;
    if (picture != nullptr) {
        painter_.Paint(painter, area, picture);
        drawn = PaintMetadata(painter, area, metadata.get(), choice, language, fired);
    }
    {
        std::lock_guard lock(mutex_);
        lastDrawn_ = drawn;
    }
    PaintItems(painter);
    // The callback may call back into the library, so no lock is held.
    if (picture != nullptr && callback != nullptr) {
        callback(port, &painter, user);
    }
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
    shownSequence_ = 0;
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

bool PlayPort::HasPicture() const {
    std::lock_guard lock(mutex_);
    return picture_ != nullptr;
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
    QMetaObject::invokeMethod(view_, &OverlayView::Refresh, Qt::QueuedConnection);
}

}  // namespace vexoplay
