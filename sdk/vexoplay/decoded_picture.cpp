#include "decoded_picture.h"

extern "C" {
#include <libavutil/frame.h>
}

namespace vexoplay {

std::shared_ptr<const DecodedPicture> DecodedPicture::Reference(const AVFrame* frame) {
    AVFrame* copy = av_frame_alloc();
    if (copy == nullptr) {
        return nullptr;
    }
    if (av_frame_ref(copy, frame) < 0) {
        av_frame_free(&copy);
        return nullptr;
    }
    return std::shared_ptr<const DecodedPicture>(new DecodedPicture(copy));
}

DecodedPicture::~DecodedPicture() {
    av_frame_free(&frame_);
}

QSize DecodedPicture::Size() const {
    return {frame_->width, frame_->height};
}

}  // namespace vexoplay
