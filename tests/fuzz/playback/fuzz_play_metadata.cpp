// Metadata packets as a camera sends them after each picture: UTF-8 JSON
// with the capture time, the functions it runs, targets and rule events.
// Anything may arrive; reading must never crash, keep within its limits and
// hand over only coordinates inside the picture.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "metadata_painter.h"
#include "picture_metadata.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > (1u << 20)) {
        return 0;
    }
    vexoplay::PictureMetadata metadata;
    if (!vexoplay::ParsePictureMetadata(data, static_cast<int32_t>(size), metadata)) {
        return 0;
    }
    if (metadata.targets.size() > vexoplay::kMaxMetadataTargets ||
        metadata.events.size() > vexoplay::kMaxMetadataEvents) {
        std::abort();
    }
    for (const auto& target : metadata.targets) {
        if (target.box.left() < -1 || target.box.right() > 1 || target.box.top() > 1 ||
            target.box.bottom() < -1) {
            std::abort();
        }
    }
    for (const auto& event : metadata.events) {
        if (event.shape.size() > vexoplay::kMaxShapePoints) {
            std::abort();
        }
    }
    // The option text comes from the pages, but reading it must cope too.
    const auto choice = vexoplay::MetadataChoice::FromOption(
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    (void)choice.DrawsTargets(metadata);
    return 0;
}
