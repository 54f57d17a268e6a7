// Resource numbers of the letter images and the icon, mapped to the files of res/.
#include "ui/resource_images.h"

#include "game/control_ids.h"

namespace escartinol {

QString LetterImagePath(int imageId) {
    const int letter = imageId - kIdFirstLetterImage;
    if (letter < 0 || letter >= kLetterImageCount) return {};
    return QStringLiteral(":/res/letter_%1.png").arg(QChar('A' + letter));
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
