#pragma once
// Draws a picture's metadata between the picture and the overlay items:
// each target's box with its class, and the shapes of the rules that fired
// within the last second in red. The port's metadata option chooses what is
// drawn; the "MetadataViewer.Language" setting the language of the classes.

#include <QRect>
#include <QSet>
#include <QString>
#include <vector>

#include "picture_metadata.h"

class QPainter;

namespace vexoplay {

// The option text: names separated by commas, semicolons or spaces. A
// function's device name ("zelk:Intrusion_Event") draws the targets its
// rules look at, with their classes, and its rules' hits. The metadata
// menu's entries draw for every function: "zelk:ShowTargetBox" the boxes,
// "zelk:ShowObjectClass" their classes, "zelk:ShowRuleGeometry" the hits.
// An empty option draws nothing.
struct MetadataChoice {
    QSet<QString> functions;
    bool allTargets = false;
    bool classes = false;
    bool allShapes = false;

    static MetadataChoice FromOption(const QString& option);
    bool DrawsTargets(const PictureMetadata& metadata) const;
    bool DrawsClasses() const { return classes || !functions.isEmpty(); }
    bool DrawsEvent(const QString& function) const {
        return allShapes || functions.contains(function);
    }
};

// A target's class in the viewer's language ("chinese", else English).
QString ClassText(bool vehicle, const QString& language);

struct MetadataDrawn {
    int boxes = 0;
    int shapes = 0;
    QStringList labels;
};

// Paints into `area` (the picture's place in the window).
MetadataDrawn PaintMetadata(QPainter& painter, const QRect& area, const PictureMetadata* metadata,
                            const MetadataChoice& choice, const QString& language,
                            const std::vector<std::vector<QPointF>>& firedShapes);

}  // namespace vexoplay
