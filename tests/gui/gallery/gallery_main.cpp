// vexo-gallery <output folder>: writes the gallery in English and Chinese
// into <output folder>/english and <output folder>/chinese.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "com_str.h"
#include "gallery.h"

namespace gallery {

bool Save(QWidget& widget, const QString& folder, const QString& name) {
    widget.show();
    QApplication::processEvents();
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    const bool saved = widget.grab().save(path);
    if (!saved) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
    return saved;
}

}  // namespace gallery

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vexo-gallery <output folder>\n");
        return 2;
    }
    int failures = 0;
    for (const char* language : {"english", "chinese"}) {
        vexo::TheComStr().SetLanguage(QString::fromLatin1(language));
        const QString folder = QDir(QString::fromLocal8Bit(argv[1])).filePath(language);
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
            return 1;
        }
        failures += gallery::SaveWidgetSheets(folder);
        failures += gallery::SavePopupSheets(folder);
    }
    return failures == 0 ? 0 : 1;
}
