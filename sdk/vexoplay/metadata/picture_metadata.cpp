#include "picture_metadata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <algorithm>
#include <cmath>

namespace vexoplay {
namespace {

bool Coordinate(const QJsonValue& value, double& out) {
    if (!value.isDouble() || !std::isfinite(value.toDouble())) {
        return false;
    }
    out = std::clamp(value.toDouble(), -1.0, 1.0);
    return true;
}

bool ReadTarget(const QJsonValue& value, MetadataTarget& target) {
    const QJsonObject object = value.toObject();
    const QJsonArray box = object.value(QStringLiteral("box")).toArray();
    const QString kind = object.value(QStringLiteral("class")).toString();
    const QJsonValue id = object.value(QStringLiteral("id"));
    double edges[4];
    if (box.size() != 4 || !id.isDouble() || (kind != u"person" && kind != u"vehicle")) {
        return false;
    }
    for (int i = 0; i < 4; ++i) {
        if (!Coordinate(box.at(i), edges[i])) {
            return false;
        }
    }
    // [left, top, right, bottom] with y upward.
    if (edges[2] <= edges[0] || edges[1] <= edges[3]) {
        return false;
    }
    target.id = id.toInt(0);
    target.vehicle = kind == u"vehicle";
    target.box = QRectF(QPointF(edges[0], edges[1]), QPointF(edges[2], edges[3]));
    return true;
}

bool ReadEvent(const QJsonValue& value, MetadataEvent& event) {
    const QJsonObject object = value.toObject();
    const QJsonValue function = object.value(QStringLiteral("function"));
    const QJsonValue rule = object.value(QStringLiteral("rule"));
    const QString state = object.value(QStringLiteral("state")).toString();
    if (!function.isString() || !rule.isString() || (state != u"start" && state != u"end")) {
        return false;
    }
    event.function = function.toString();
    event.rule = rule.toString();
    event.start = state == u"start";
    for (const QJsonValue point : object.value(QStringLiteral("shape")).toArray()) {
        const QJsonArray xy = point.toArray();
        double x = 0;
        double y = 0;
        if (xy.size() != 2 || !Coordinate(xy.at(0), x) || !Coordinate(xy.at(1), y)) {
            event.shape.clear();  // a shape is whole or none
            break;
        }
        if (event.shape.size() == kMaxShapePoints) {
            break;
        }
        event.shape.emplace_back(x, y);
    }
    return true;
}

}  // namespace

bool ParsePictureMetadata(const uint8_t* data, int32_t length, PictureMetadata& metadata) {
    if (data == nullptr || length <= 0 || length > kMaxMetadataBytes) {
        return false;
    }
    const QJsonDocument doc = QJsonDocument::fromJson(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), length));
    if (!doc.isObject()) {
        return false;
    }
    const QJsonObject object = doc.object();
    metadata = PictureMetadata{};
    // Whole numbers only: a fraction or a text is no clock reading.
    metadata.captureUs =
        std::max<qint64>(0, object.value(QStringLiteral("capture_us")).toInteger(0));
    for (const QJsonValue function : object.value(QStringLiteral("functions")).toArray()) {
        if (function.isString() && metadata.functions.size() < 64) {
            metadata.functions.append(function.toString());
        }
    }
    for (const QJsonValue value : object.value(QStringLiteral("targets")).toArray()) {
        MetadataTarget target;
        if (metadata.targets.size() < kMaxMetadataTargets && ReadTarget(value, target)) {
            metadata.targets.push_back(target);
        }
    }
    for (const QJsonValue value : object.value(QStringLiteral("events")).toArray()) {
        MetadataEvent event;
        if (metadata.events.size() < kMaxMetadataEvents && ReadEvent(value, event)) {
            metadata.events.push_back(std::move(event));
        }
    }
    return true;
}

}  // namespace vexoplay
