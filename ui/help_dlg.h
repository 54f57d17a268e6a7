// CHelpDlg: the help box with its four sentences.
#pragma once

#include <QDialog>

#include "ui/dialog_template.h"

namespace escartinol {

class CHelpDlg : public QDialog {
    Q_OBJECT
public:
    explicit CHelpDlg(QWidget* parent = nullptr);

private:
    BuiltDialog m_controls;
};

}  // namespace escartinol
