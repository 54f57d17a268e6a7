// Typed letters become capitals; a character that would push the text past the edge is refused.
#include "ui/capitals_validator.h"

#include <QLineEdit>
#include <QStyle>

namespace escartinol {

namespace {

// The inner margin a QLineEdit keeps on either side of its text, and room for the cursor.
constexpr int kLineEditTextMargin = 2;
constexpr int kCursorWidth = 1;

}  // namespace

CCapitalsValidator::CCapitalsValidator(QLineEdit& edit) : QValidator(&edit), m_edit(edit) {}

int CCapitalsValidator::VisibleTextWidth() const {
    const int frame =
        m_edit.hasFrame() ? m_edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &m_edit) : 0;
    const QMargins margins = m_edit.textMargins();
    return m_edit.width() - 2 * frame - 2 * kLineEditTextMargin - margins.left() - margins.right() - kCursorWidth;
}

QValidator::State CCapitalsValidator::validate(QString& input, int& position) const {
    const QString capitals = input.toUpper();
    if (m_edit.fontMetrics().horizontalAdvance(capitals) > VisibleTextWidth()) return Invalid;
    // toUpper can lengthen a text (ß gives SS); the cursor stays after what was typed.
    position += static_cast<int>(capitals.size() - input.size());
    input = capitals;
    return Acceptable;
}

}  // namespace escartinol
