#pragma once
// What a camera says about one picture in its metadata packet (device
// input, read defensively): the capture time, the functions its analytics
// run, the targets in view and the rule events of that picture.
// Coordinates are the device's: x and y from -1 to 1, y upward.

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace vexoplay {

struct MetadataTarget {
    int id = 0;
    bool vehicle = false;
    QRectF box;  // left, top (the larger y), width, height in device units
};

struct MetadataEvent {
    QString function;
    QString rule;
    bool start = true;
    std::vector<QPointF> shape;  // the rule's region or line, may be empty
};

struct PictureMetadata {
    int64_t captureUs = 0;  // 0: none given
    QStringList functions;
    std::vector<MetadataTarget> targets;
    std::vector<MetadataEvent> events;
};

// Limits on what one packet may carry; whatever goes beyond is left out.
inline constexpr int32_t kMaxMetadataBytes = 64 * 1024;
inline constexpr size_t kMaxMetadataTargets = 256;
inline constexpr size_t kMaxMetadataEvents = 64;
inline constexpr size_t kMaxShapePoints = 16;

// False for anything that is not a JSON object of at most
// kMaxMetadataBytes. Members of the wrong type are ignored, and so are
// targets and events that do not read; numbers are clamped to [-1, 1].
bool ParsePictureMetadata(const uint8_t* data, int32_t length, PictureMetadata& metadata);

}  // namespace vexoplay
