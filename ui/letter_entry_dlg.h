// CLetterEntryDlg: the box in which the player types the nine letters of a draw.
#pragma once

#include <QDialog>
#include <string>

#include "ui/dialog_template.h"

class QLineEdit;
class QPushButton;

namespace escartinol {

class CLetterEntryDlg : public QDialog {
    Q_OBJECT
public:
    explicit CLetterEntryDlg(QWidget* parent = nullptr);

    // What was typed, in cp1252, however the box ended.
    std::string EnteredText() const;

    QLineEdit& Edit() const;
    QPushButton& OkButton() const;

private:
    BuiltDialog m_controls;
    QString m_entered;
};

}  // namespace escartinol
