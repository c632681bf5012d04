#pragma once
// The GeometryText a parameter row shows for an object value, in device form
// (normalised floats written with "%f"), and the way a panel's edited text
// becomes an object value again when the panel is saved.

#include <QString>
#include <utility>
#include <vector>

#include "param_record.h"
#include "ui_type.h"

namespace vexo {

// "4|(x,y),(x,y+h),(x+w,y+h),(x+w,y)".
QString RectangleRowText(const RectF& rect);
// "N|(x0, y0),(x1,y1),...": the blank after the first comma is how the
// device has always been sent this text, so it is kept byte for byte.
QString PolygonRowText(const std::vector<PointF>& points);
// "1|(x,y)".
QString PointRowText(const PointF& point);
// "2|(x0,y0),(x1,y1)" from the first two points; "" for an empty polygon.
QString WireRowText(const std::vector<PointF>& points);

// The first rectangle, polygon or point of an object value as row text; ""
// when the object has none.
QString FirstRectangleText(const ParamValue& value);
QString FirstPolygonText(const ParamValue& value);
QString FirstPointText(const ParamValue& value);
QString FirstWireText(const ParamValue& value);

// The most points each drawing row stores; 0 for a row that stores none.
int MaxStoredPoints(UiType type);

// The value a panel collected for an object-valued parameter: its current
// GeometryText and the attributes its controls show. Kept structured rather
// than flattened into one text, so an attribute value holding "(" or ","
// cannot be mistaken for a coordinate.
struct ObjectValueText {
    QString geometry;
    std::vector<std::pair<QString, QString>> attributes;
};

// Writes a collected value into `value`: the geometry text is read by the
// row's type (count capped, then that many "(x,y)" pairs) and replaces the
// first shape of the list that type stores (rectangle, polygon or point;
// further shapes stay); an empty or unreadable text leaves the geometry as
// it was; "0|" (an emptied shape) removes that first shape; each attribute
// pair sets that attribute. The value's own text and everything else it
// carries are kept.
void StoreObjectValueText(UiType type, const ObjectValueText& collected, ParamValue& value);

// Reads up to `cap` points from "N|(x,y),(x,y)...": the count is capped, the
// scan continues two characters after each ")". False without a count or
// with fewer pairs than the (capped) count.
bool ReadGeometryPoints(const QString& text, int cap, std::vector<PointF>& points);

}  // namespace vexo
