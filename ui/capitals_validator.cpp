// The letter box's rule measured in the edit's font: capitals, and no wider than the edit shows.
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
    // The edit drops a whole insertion that comes back Invalid, so a paste too long for the box would be
    // lost: the box keeps what fits of it instead.
    const auto fits = [this](const std::u16string& text) {
        return m_edit.fontMetrics().horizontalAdvance(QString::fromStdU16String(text)) <= VisibleTextWidth();
    };
    const std::optional<EntryText> shown = FitEntry(input.toStdU16String(), position, fits);
    if (!shown) return Invalid;
    input = QString::fromStdU16String(shown->text);
    position = shown->cursor;
    return Acceptable;
}

}  // namespace escartinol
