#include "image_catalog.h"

#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

// Resources of a static library must be registered explicitly.
static void InitImageResources() {
    Q_INIT_RESOURCE(vexo_images);
}

namespace vexo {

namespace {

QString ImagePath(int id) {
    static const bool registered = [] {
        InitImageResources();
        return true;
    }();
    (void)registered;
    return QStringLiteral(":/vexo/images/%1.svg").arg(id);
}

qreal ScreenRatio() {
    return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
}

QImage Render(int id, qreal ratio) {
    QSvgRenderer renderer(ImagePath(id));
    if (!renderer.isValid()) {
        return {};
    }
    const QSize size = renderer.defaultSize();
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    image.setDevicePixelRatio(ratio);
    return image;
}

}  // namespace

QPixmap ImageById(int id) {
    // Pages ask for the same few pictures again and again (every button of a
    // function bar); render each once.
    static QHash<int, QPixmap> cache;
    auto found = cache.constFind(id);
    if (found != cache.constEnd()) {
        return *found;
    }
    QPixmap pixmap = QPixmap::fromImage(Render(id, ScreenRatio()));
    if (!pixmap.isNull()) {
        cache.insert(id, pixmap);
    }
    return pixmap;
}

QImage RasterImageById(int id) {
    return Render(id, 1.0);
}

QSize ImageSizeById(int id) {
    QSvgRenderer renderer(ImagePath(id));
    return renderer.isValid() ? renderer.defaultSize() : QSize();
}

bool HasImageId(int id) {
    return QFile::exists(ImagePath(id));
}

QList<int> ImageIds() {
    ImagePath(0);
    QList<int> ids;
    const QStringList names = QDir(QStringLiteral(":/vexo/images")).entryList(QDir::Files);
    for (const QString& name : names) {
        bool ok = false;
        const int id = QFileInfo(name).completeBaseName().toInt(&ok);
        if (ok) {
            ids.append(id);
        }
    }
    std::sort(ids.begin(), ids.end());
    return ids;
}

}  // namespace vexo
