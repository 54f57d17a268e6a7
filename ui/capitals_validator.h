// Keeps a line edit's text in capitals and no wider than the edit shows, since the edit must not scroll.
#pragma once

#include <QValidator>

class QLineEdit;

namespace escartinol {

class CCapitalsValidator : public QValidator {
    Q_OBJECT
public:
    explicit CCapitalsValidator(QLineEdit& edit);

    State validate(QString& input, int& position) const override;

    // Pixels of text the edit shows between its frame and its inner margins.
    int VisibleTextWidth() const;

private:
    QLineEdit& m_edit;
};

}  // namespace escartinol
