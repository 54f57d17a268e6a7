// Turns a dialog template into Qt widgets.
#include "ui/dialog_template.h"

#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/multi_line_edit.h"

namespace escartinol {

namespace {

// The one frame Qt draws that comes nearest to the template's combination of edges.
void SetFrameLook(QFrame& frame, unsigned look) {
    if (look & kRaisedFrame) {
        frame.setFrameStyle(QFrame::Panel | QFrame::Raised);
        frame.setLineWidth(2);
    } else if (look & kClientEdge) {
        frame.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame.setLineWidth(2);
    } else if (look & kStaticEdge) {
        frame.setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame.setLineWidth(1);
    } else if (look & kBorder) {
        frame.setFrameStyle(QFrame::Box | QFrame::Plain);
        frame.setLineWidth(1);
    }
}

// A caption wider than its button gets a smaller font rather than losing letters at the edges.
void ShrinkFontToFit(QPushButton& button) {
    constexpr int kTextMargin = 3;
    constexpr int kSmallestPixelSize = 8;
    const QString shown = QString(button.text()).remove('&');
    QFont font = button.font();
    while (QFontMetrics(font).horizontalAdvance(shown) + 2 * kTextMargin > button.width() &&
           font.pixelSize() > kSmallestPixelSize) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    if (font != button.font()) button.setFont(font);
}

QWidget* MakeControl(QDialog& dialog, const ControlTemplate& control) {
    const QString text = QString::fromUtf8(control.text);
    switch (control.kind) {
        case ControlKind::Static: {
            auto* label = new QLabel(text, &dialog);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment((control.look & kCentredText ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
            SetFrameLook(*label, control.look);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            return label;
        }
        case ControlKind::Picture: {
            auto* picture = new QLabel(&dialog);
            picture->setAlignment(Qt::AlignCenter);
            SetFrameLook(*picture, control.look);
            picture->setAttribute(Qt::WA_TransparentForMouseEvents);
            return picture;
        }
        case ControlKind::GroupBox: {
            auto* group = new QGroupBox(text, &dialog);
            group->setAttribute(Qt::WA_TransparentForMouseEvents);
            return group;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(text, &dialog);
            button->setDefault(control.look & kDefaultButton);
            if (control.id == kIdOk) QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
            return button;
        }
        case ControlKind::MultiLineEdit: {
            auto* edit = new CMultiLineEdit(&dialog);
            edit->setPlainText(text);
            SetFrameLook(*edit, control.look);
            return edit;
        }
        case ControlKind::LineEdit: {
            auto* edit = new QLineEdit(text, &dialog);
            if (control.look & kCentredText) edit->setAlignment(Qt::AlignCenter);
            return edit;
        }
    }
    return nullptr;
}

}  // namespace

QWidget* BuiltDialog::Control(int id) const {
    const auto found = byId.find(id);
    return found == byId.end() ? nullptr : found->second;
}

BuiltDialog BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate) {
    const DialogUnitScale& units = dialogTemplate.units;
    // A caption and a close box, which the window manager's close (Alt+F4, a logout) also needs; no minimise
    // or maximise box, since the size is fixed. Closing a box cancels it, closing the game window ends the game.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint);
    dialog.setWindowTitle(QString::fromStdString(dialogTemplate.caption));
    QFont font(dialogTemplate.fontFamily);
    font.setPixelSize(dialogTemplate.fontPixelSize);
    dialog.setFont(font);
    dialog.setFixedSize(units.X(dialogTemplate.width), units.Y(dialogTemplate.height));

    BuiltDialog built;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* widget = MakeControl(dialog, control);
        widget->setObjectName(control.name);
        const DluRect& r = control.rect;
        widget->setGeometry(units.X(r.x), units.Y(r.y), units.X(r.width), units.Y(r.height));
        if (auto* button = qobject_cast<QPushButton*>(widget)) ShrinkFontToFit(*button);
        built.controls.push_back(widget);
        if (control.id != kNoControlId) built.byId[control.id] = widget;
    }
    return built;
}

}  // namespace escartinol
