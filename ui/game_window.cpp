// The game window: builds its template, shows the game's tiles and rows, and hands it clicks and drags.
#include "ui/game_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <utility>

#include "ui/game_window_template.h"
#include "ui/help_dlg.h"
#include "ui/letter_entry_dlg.h"
#include "ui/resource_images.h"
#include "words/cp1252.h"
#include "words/list_format.h"

namespace escartinol {

namespace {

// Time for the window system to put the painted window on screen before the load blocks it.
constexpr std::chrono::milliseconds kLoadDelay{5};

// The frames under tiles that spell a word: a colour that is neither of the tiles' two.
constexpr QRgb kLitFrameColour = qRgb(0, 150, 60);

QPalette LitFramePalette() {
    QPalette lit;
    // The edges of a frame are drawn in one or more of these roles, as its shape and the style choose.
    for (const auto role : {QPalette::Light, QPalette::Dark, QPalette::Mid, QPalette::Shadow, QPalette::WindowText})
        lit.setColor(role, QColor(kLitFrameColour));
    return lit;
}

}  // namespace

CGameWindow::CGameWindow(std::string listDir, std::optional<std::uint32_t> seed, QWidget* parent)
    : QDialog(parent), m_controls(BuildDialog(*this, GameWindowTemplate())), m_game(*this, std::move(listDir), seed) {
    setWindowIcon(ApplicationIcon());
    for (int i = 0; i < kTileCount; ++i) m_tiles[i] = static_cast<QLabel*>(m_controls.Control(kIdTileFirst + i));
    for (int s = 0; s < kTileCount; ++s) m_upperFrames[s] = m_controls.Control(kIdUpperFrameFirst + s);
    for (int row = 0; row < kRowCount; ++row)
        m_rows[row] = static_cast<QPlainTextEdit*>(m_controls.Control(kRowIds[row]));
    // The window is on no screen yet: take the densest screen's scale, as QIcon does. A less dense screen
    // samples the finer image down, which keeps it in black and yellow.
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        m_letterImages[letter - 'A'] = ImageForScale(LetterImagePath(letter), qGuiApp->devicePixelRatio());

    const auto button = [this](int id) { return static_cast<QPushButton*>(m_controls.Control(id)); };
    connect(button(kIdDrawButton), &QPushButton::clicked, this, [this] { m_game.DrawRandomLetters(); });
    connect(button(kIdSolutionsButton), &QPushButton::clicked, this, [this] { m_game.ShowSolutions(); });
    connect(button(kIdChooseButton), &QPushButton::clicked, this, [this] { ChooseLetters(); });
    connect(button(kIdHelpButton), &QPushButton::clicked, this, [this] { CHelpDlg(this).exec(); });
    // Moves reach the board whether or not a button is held: the drag handlers decide what they mean.
    setMouseTracking(true);

    m_game.Start();
    for (QWidget* control : m_controls.controls) {
        if (control->focusPolicy() & Qt::TabFocus) {
            control->setFocus();
            break;
        }
    }
}

void CGameWindow::ChooseLetters() {
    m_game.BeginLetterEntry();
    CLetterEntryDlg box(this);
    const bool ok = box.exec() == QDialog::Accepted;
    m_game.ApplyLetterEntry(ok ? std::optional(box.EnteredText()) : std::nullopt);
}

void CGameWindow::ShowTile(int tile, char letter, const Rect& r) {
    // Only A..Z reach the tiles; the guard keeps the image table safe regardless.
    if (IsKeyLetter(letter)) m_tiles[tile]->setPixmap(m_letterImages[letter - 'A']);
    MoveTile(tile, r);
    m_tiles[tile]->show();
}

void CGameWindow::HideTile(int tile) { m_tiles[tile]->hide(); }

void CGameWindow::MoveTile(int tile, const Rect& r) {
    m_tiles[tile]->setGeometry(r.left, r.top, r.Width(), r.Height());
    // A dragged tile passes over the other tiles and the rows; it must stay in front of them.
    m_tiles[tile]->raise();
}

void CGameWindow::SetRowText(int row, const std::string& text) {
    m_rows[row]->setPlainText(QString::fromStdString(Cp1252ToUtf8(text)));
}

void CGameWindow::LightWord(int length) {
    static const QPalette kLit = LitFramePalette();
    // An empty palette gives the frame back the window's.
    for (int s = 0; s < kTileCount; ++s) m_upperFrames[s]->setPalette(s < length ? kLit : QPalette());
}

bool CGameWindow::event(QEvent* event) {
    // Another window raised, or this one hidden, while the button is down: Qt sends this window no
    // release, so the drag ends here or its tile would stay afloat.
    if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide) m_game.CancelDrag();
    return QDialog::event(event);
}

void CGameWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // Loading blocks the window, so the player must first see it with its loading notice.
    if (std::exchange(m_painted, true)) return;
    QTimer::singleShot(kLoadDelay, this, [this] { m_game.LoadLists(); });
}

void CGameWindow::keyPressEvent(QKeyEvent* event) {
    // Keys come here only when the focus is on a button or nothing: a row keeps what is typed in it,
    // and a button takes no letter and no Backspace. Alt+letter is a button's mnemonic, taken before.
    const bool plain = !(event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier));
    const int key = event->key();
    if (plain && key >= Qt::Key_A && key <= Qt::Key_Z) {
        m_game.TypeLetter(static_cast<char>('A' + (key - Qt::Key_A)));
    } else if (plain && key == Qt::Key_Backspace) {
        m_game.TakeBackLetter();
    } else {
        QDialog::keyPressEvent(event);
    }
}

void CGameWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // The buttons and rows take their own presses; one they refused still must not reach the board.
    if (childAt(at) == nullptr) {
        if (event->button() == Qt::LeftButton) m_game.Press({at.x(), at.y()});
        if (event->button() == Qt::RightButton) m_game.RepeatedDraw();
    }
    QDialog::mousePressEvent(event);
}

void CGameWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    m_game.Drag({at.x(), at.y()});
    QDialog::mouseMoveEvent(event);
}

void CGameWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_game.Release();
    QDialog::mouseReleaseEvent(event);
}

}  // namespace escartinol
