// The letter images and the icon, found among the files of res/ built into the program.
#include "ui/resource_images.h"

namespace escartinol {

QString LetterImagePath(char letter) {
    if (letter < 'A' || letter > 'Z') return {};
    return QStringLiteral(":/res/letter_%1.png").arg(QChar(letter));
}

// QPixmap, unlike QIcon, does not look for the denser files by itself; QImageReader takes the scale from the
// "@2x" in the name.
QPixmap ImageForScale(const QString& path, qreal devicePixelRatio) {
    return QPixmap(qt_findAtNxFile(path, devicePixelRatio));
}

QIcon ApplicationIcon() {
    QIcon icon;
    icon.addFile(QStringLiteral(":/res/icon_32.png"));
    icon.addFile(QStringLiteral(":/res/icon_16.png"));
    return icon;
}

}  // namespace escartinol
