#pragma once
// The control's pictures, looked up by the resource numbers the pages use
// (541 for the normal engine button, 653 for an unknown function, ...). They
// are drawn as SVG and compiled into the program; each has its own natural
// size, which is also its size as a bitmap.

#include <QImage>
#include <QList>
#include <QPixmap>
#include <QSize>

namespace vexo {

// The picture at its natural size; a null pixmap for an unknown number.
QPixmap ImageById(int id);
// The same picture as a raster image (ARGB), for masks and PNG buttons.
QImage RasterImageById(int id);
// The natural size; an empty size for an unknown number.
QSize ImageSizeById(int id);
bool HasImageId(int id);
// Every number that has a picture, ascending.
QList<int> ImageIds();

}  // namespace vexo
