#include "metadata_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>
#include <QRegularExpression>

namespace vexoplay {
namespace {

const QColor kPersonColour(40, 220, 255);
const QColor kVehicleColour(255, 190, 40);
const QColor kFiredColour(235, 30, 30);

QPointF ToArea(const QRect& area, QPointF device) {
    return {area.left() + (device.x() + 1) / 2 * area.width(),
            area.top() + (1 - device.y()) / 2 * area.height()};
}

}  // namespace

MetadataChoice MetadataChoice::FromOption(const QString& option) {
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    MetadataChoice choice;
    for (const QString& name : option.split(separators, Qt::SkipEmptyParts)) {
        if (name == u"zelk:ShowTargetBox") {
            choice.allTargets = true;
        } else if (name == u"zelk:ShowObjectClass") {
            choice.classes = true;
        } else if (name == u"zelk:ShowRuleGeometry") {
            choice.allShapes = true;
        } else if (!name.startsWith(u"zelk:Show")) {
            // Other display entries of the menu ("zelk:ShowTrack") draw
            // nothing here; every other name is a function's.
            choice.functions.insert(name);
        }
    }
    return choice;
}

bool MetadataChoice::DrawsTargets(const PictureMetadata& metadata) const {
    if (allTargets) {
        return true;
    }
    for (const QString& function : metadata.functions) {
        if (functions.contains(function)) {
            return true;
        }
    }
    return false;
}

QString ClassText(bool vehicle, const QString& language) {
    if (language.compare(QLatin1String("chinese"), Qt::CaseInsensitive) == 0) {
        return vehicle ? QStringLiteral("车辆") : QStringLiteral("行人");
    }
    return vehicle ? QStringLiteral("Vehicle") : QStringLiteral("Person");
}

MetadataDrawn PaintMetadata(QPainter& painter, const QRect& area, const PictureMetadata* metadata,
                            const MetadataChoice& choice, const QString& language,
                            const std::vector<std::vector<QPointF>>& firedShapes) {
    MetadataDrawn drawn;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    if (metadata != nullptr && choice.DrawsTargets(*metadata)) {
        const bool classes = choice.DrawsClasses();
        QFont font = painter.font();
        font.setPixelSize(12);
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const QString texts[2] = {ClassText(false, language), ClassText(true, language)};
        for (const MetadataTarget& target : metadata->targets) {
            const QRectF box(ToArea(area, target.box.topLeft()),
                             ToArea(area, target.box.bottomRight()));
            const QColor colour = target.vehicle ? kVehicleColour : kPersonColour;
            painter.setPen(QPen(colour, 2));
            painter.drawRect(box);
            ++drawn.boxes;
            if (classes) {
                const QString& text = texts[target.vehicle ? 1 : 0];
                const QRectF label(box.left(), box.top() - metrics.height() - 1,
                                   metrics.horizontalAdvance(text) + 6, metrics.height());
                painter.fillRect(label, QColor(0, 0, 0, 150));
                painter.setPen(colour);
                painter.drawText(label, Qt::AlignCenter, text);
                if (drawn.labels.size() < 64) {
                    drawn.labels.append(text);
                }
            }
        }
    }
    // Wide enough to show as a red band around the rule's own line, which
    // the overlay draws on top.
    painter.setPen(QPen(kFiredColour, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const std::vector<QPointF>& shape : firedShapes) {
        QPolygonF polygon;
        for (const QPointF& point : shape) {
            polygon.append(ToArea(area, point));
        }
        if (polygon.size() >= 3) {
            painter.drawPolygon(polygon);
        } else if (polygon.size() == 2) {
            painter.drawLine(polygon[0], polygon[1]);
        } else {
            continue;
        }
        ++drawn.shapes;
    }
    painter.restore();
    return drawn;
}

}  // namespace vexoplay
