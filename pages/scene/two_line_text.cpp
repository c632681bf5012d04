#include "two_line_text.h"

#include <QFontMetrics>

namespace vexo {

QString TwoLineText(const QString& text, const QFontMetrics& metrics, int width) {
    const QString name = text.simplified();
    const auto fits = [&](qsizetype length) {
        return metrics.horizontalAdvance(name.left(length)) <= width;
    };
    if (fits(name.size())) {
        return name;
    }
    const bool hasWords = name.contains(u' ');
    qsizetype cut = 0;  // the first line's length
    for (qsizetype end = 1; end <= name.size(); ++end) {
        const bool breakable =
            hasWords ? end == name.size() || name[end] == u' ' : !name[end - 1].isHighSurrogate();
        if (!breakable) {
            continue;
        }
        if (cut > 0 && !fits(end)) {
            break;
        }
        cut = end;
    }
    const QString first = metrics.elidedText(name.left(cut), Qt::ElideRight, width);
    const QString rest = name.mid(cut).trimmed();
    return rest.isEmpty() ? first : first + u'\n' + metrics.elidedText(rest, Qt::ElideRight, width);
}

}  // namespace vexo
