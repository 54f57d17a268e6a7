// The letter-entry box: capitals only, no wider than the edit, OK only for nine letters A..Z.
#include "ui/letter_entry_dlg.h"

#include <QLineEdit>
#include <QPushButton>

#include "game/letter_entry_rule.h"
#include "ui/capitals_validator.h"
#include "words/cp1252.h"

namespace escartinol {

namespace {

constexpr int kIdEntry = 1016;

// clang-format off
constexpr ControlTemplate kControls[] = {
    {kIdOk,    "okButton", ControlKind::PushButton, {137, 14, 22, 14},  "OK", kDefaultButton},
    {kIdEntry, "entry",    ControlKind::LineEdit,   {10, 14, 117, 14},  "",   kBorder | kCentredText},
};
// clang-format on

const DialogTemplate& LetterEntryTemplate() {
    static const DialogTemplate kTemplate{
        167, 45, kSmallFontUnits, "Entra nòu letras", "Liberation Sans", 11, kControls,
    };
    return kTemplate;
}

}  // namespace

CLetterEntryDlg::CLetterEntryDlg(QWidget* parent)
    : QDialog(parent), m_controls(BuildDialog(*this, LetterEntryTemplate())) {
    QLineEdit& edit = Edit();
    edit.setValidator(new CCapitalsValidator(edit));
    OkButton().setEnabled(false);
    connect(&edit, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_entered = text;
        // Enter presses the default button only while it is enabled, so the box stays open until then.
        OkButton().setEnabled(StartsWithNineCapitals(Utf8ToCp1252Lossy(text.toStdString())));
    });
    edit.setFocus();
}

std::string CLetterEntryDlg::EnteredText() const { return Utf8ToCp1252Lossy(m_entered.toStdString()); }

QLineEdit& CLetterEntryDlg::Edit() const { return *static_cast<QLineEdit*>(m_controls.Control(kIdEntry)); }

QPushButton& CLetterEntryDlg::OkButton() const { return *static_cast<QPushButton*>(m_controls.Control(kIdOk)); }

}  // namespace escartinol
