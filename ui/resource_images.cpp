// The letter images and the icon, found among the files of res/ built into the program.
#include "ui/resource_images.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace escartinol {

namespace {

// res/ holds each letter at 1x, 2x and 3x.
constexpr int kDensestVariant = 3;

}  // namespace

QString LetterImagePath(char letter) {
    if (letter < 'A' || letter > 'Z') return {};
    return QStringLiteral(":/res/letter_%1.png").arg(QChar(letter));
}

// QPixmap, unlike QIcon, does not look for the denser files by itself. The scale rounds up: a finer image
// sampled down keeps its two colours, a coarser one stretched would not.
QPixmap ImageForScale(const QString& path, qreal devicePixelRatio) {
    const int wanted = std::min(static_cast<int>(std::ceil(devicePixelRatio)), kDensestVariant);
    const auto dot = path.lastIndexOf('.');
    for (int scale = wanted; scale > 1; --scale) {
        const QString variant = QString(path).insert(dot, QStringLiteral("@%1x").arg(scale));
        if (!QFile::exists(variant)) continue;
        QPixmap image(variant);
        image.setDevicePixelRatio(scale);
        return image;
    }
    return QPixmap(path);
}

QIcon ApplicationIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/res/icon_32.png"));
    icon.addFile(QStringLiteral(":/res/icon_16.png"));
    return icon;
}

}  // namespace escartinol
