#pragma once
// One picture as the decoder made it, in the codec's own pixel format
// (planar YUV for H.264 and MJPEG). It holds a reference to libavcodec's
// buffer, not a copy, so handing it from the decoder thread to the window
// costs nothing, and the colour conversion waits until the picture is
// painted: pictures the window never shows are never converted.

#include <QSize>
#include <memory>

struct AVFrame;

namespace vexoplay {

class DecodedPicture {
public:
    // A new reference to the frame's buffers; null when libavcodec refuses it.
    static std::shared_ptr<const DecodedPicture> Reference(const AVFrame* frame);
    ~DecodedPicture();
    DecodedPicture(const DecodedPicture&) = delete;
    DecodedPicture& operator=(const DecodedPicture&) = delete;

    const AVFrame* Frame() const { return frame_; }
    QSize Size() const;

private:
    explicit DecodedPicture(AVFrame* frame) : frame_(frame) {}
    AVFrame* frame_;
};

}  // namespace vexoplay
