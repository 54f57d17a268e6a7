// Dialog templates as data: each control's identifier, kind, place in dialog units, text and look.
#pragma once

#include <QString>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "ui/dialog_units.h"

class QDialog;
class QWidget;

namespace escartinol {

inline constexpr int kNoControlId = -1;
// The dialog's OK button, which ends it with acceptance.
inline constexpr int kIdOk = 1;

enum class ControlKind {
    Static,    // text or frame; lets the mouse through to the dialog
    Picture,   // an image; lets the mouse through to the dialog
    GroupBox,  // a titled frame; lets the mouse through to the dialog
    PushButton,
    MultiLineEdit,  // word-wrapped, vertical scroll bar, leaves Enter to the dialog
    LineEdit,
};

// Looks, combined as flags.
enum Look : unsigned {
    kPlain = 0,
    kRaisedFrame = 1u << 0,
    kClientEdge = 1u << 1,  // sunken
    kStaticEdge = 1u << 2,  // thin sunken
    kBorder = 1u << 3,
    kDefaultButton = 1u << 4,
    kCentredText = 1u << 5,
};

struct ControlTemplate {
    int id;            // kNoControlId for controls the code never addresses
    const char* name;  // the widget's objectName
    ControlKind kind;
    DluRect rect;
    const char* text;  // UTF-8
    unsigned look;
};

struct DialogTemplate {
    int width;  // of the window inside its frame, in dialog units
    int height;
    DialogUnitScale units;
    std::string caption;  // UTF-8
    const char* fontFamily;
    int fontPixelSize;
    std::span<const ControlTemplate> controls;
};

// The widgets a template made, in template order, which is also their stacking and tab order.
struct BuiltDialog {
    std::vector<QWidget*> controls;
    std::map<int, QWidget*> byId;

    QWidget* Control(int id) const;
};

// Sizes, captions and fills the dialog from the template. The OK button accepts the dialog.
BuiltDialog BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate);

}  // namespace escartinol
