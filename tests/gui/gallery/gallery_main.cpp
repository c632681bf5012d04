// vexo-gallery <output folder> [device address]: writes the gallery in
// English and Chinese into <output folder>/english and <output folder>/chinese;
// with the address of a simulated device also its parameter panels into
// <output folder>/panels/english and <output folder>/panels/chinese.
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
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: vexo-gallery <output folder> [device address]\n");
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
        if (argc == 3) {
            const QString panels = QDir(QString::fromLocal8Bit(argv[1]))
                                       .filePath(QStringLiteral("panels/") + language);
            if (!QDir().mkpath(panels)) {
                std::fprintf(stderr, "cannot create %s\n", qPrintable(panels));
                return 1;
            }
            failures += gallery::SavePanelSheets(panels, QString::fromLocal8Bit(argv[2]));
            failures += gallery::SaveEditorSheets(panels, QString::fromLocal8Bit(argv[2]));
        }
    }
    return failures == 0 ? 0 : 1;
}
