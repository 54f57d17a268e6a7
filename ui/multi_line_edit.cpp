// Multi-line text boxes that leave Enter to the dialog's default button.
#include "ui/multi_line_edit.h"

#include <QKeyEvent>

namespace escartinol {

CMultiLineEdit::CMultiLineEdit(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    // The boxes are one line high; the default margin would push the text under the edge.
    document()->setDocumentMargin(2);
}

void CMultiLineEdit::keyPressEvent(QKeyEvent* event) {
    // Ignored, Enter travels up to the dialog, which presses its default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

}  // namespace escartinol
