// A multi-line text box of a dialog: word-wrapped, Tab moves the focus, Enter belongs to the dialog.
#pragma once

#include <QPlainTextEdit>

namespace escartinol {

class CMultiLineEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CMultiLineEdit(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

}  // namespace escartinol
