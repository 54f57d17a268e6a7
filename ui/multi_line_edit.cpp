// Multi-line text boxes that leave Enter to the dialog's default button.
#include "ui/multi_line_edit.h"

#include <QKeyEvent>
#include <QMimeData>

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

void CMultiLineEdit::insertFromMimeData(const QMimeData* source) {
    // An empty X11 clipboard or selection comes as data without a single format, and Qt 6.4 reads
    // the first format unchecked: a middle click, Ctrl+V or Shift+Insert then crashed the game.
    // The boxes hold plain text, so nothing but text is pasted.
    if (source && source->hasText()) QPlainTextEdit::insertFromMimeData(source);
}

}  // namespace escartinol
