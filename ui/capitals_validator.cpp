// Typed letters become capitals; characters that would push the text past the edge are refused.
#include "ui/capitals_validator.h"

#include <QLineEdit>
#include <QStyle>
#include <optional>

#include "game/letter_entry_rule.h"

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
    QString capitals = input.toUpper();
    // toUpper can lengthen a text (ß gives SS); the cursor stays after what was typed.
    position += static_cast<int>(capitals.size() - input.size());
    // The edit drops a whole insertion that comes back Invalid, so a paste too long for the box would be lost:
    // the box keeps what fits of it instead.
    const auto fits = [&](int cut) {
        return m_edit.fontMetrics().horizontalAdvance(QString(capitals).remove(position - cut, cut)) <=
               VisibleTextWidth();
    };
    const std::optional<int> fewest = FewestCutToFit(position, fits);
    if (!fewest) return Invalid;
    int cut = *fewest;
    // Half a surrogate pair is no character at all.
    if (cut < position && capitals[position - cut - 1].isHighSurrogate()) ++cut;
    capitals.remove(position - cut, cut);
    position -= cut;
    input = capitals;
    return Acceptable;
}

}  // namespace escartinol
