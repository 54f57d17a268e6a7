// The images built into the program, found by their resource numbers.
#pragma once

#include <QIcon>
#include <QString>

namespace escartinol {

// The path of letter image imageId (130 is A, 155 is Z); empty for any other number.
QString LetterImagePath(int imageId);

// The application icon in both its sizes.
QIcon ApplicationIcon();

}  // namespace escartinol
