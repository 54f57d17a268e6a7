// The images built into the program: the letters of the tiles and the window icon.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace escartinol {

// The path of the image of letter A..Z; empty for any other character.
QString LetterImagePath(char letter);

// The image at path as drawn for a screen of that scale: its @2x or @3x file where the scale calls for it,
// carrying its scale, so that it keeps its size in the layout and shows every pixel the screen has.
QPixmap ImageForScale(const QString& path, qreal devicePixelRatio);

// The application icon in both its sizes, with their @2x files on a denser screen.
QIcon ApplicationIcon();

}  // namespace escartinol
