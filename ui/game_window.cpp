// The game window: builds template 102, shows the game's tiles and rows, and hands it clicks and drags.
#include "ui/game_window.h"

#include <QGuiApplication>
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

}  // namespace

CGameWindow::CGameWindow(std::string listDir, std::optional<std::uint32_t> seed, QWidget* parent)
    : QDialog(parent), m_controls(BuildDialog(*this, GameWindowTemplate())), m_game(*this, std::move(listDir), seed) {
    setWindowIcon(ApplicationIcon());
    for (int i = 0; i < kTileCount; ++i) m_tiles[i] = static_cast<QLabel*>(m_controls.Control(kIdTileFirst + i));
    for (int row = 0; row < 3; ++row) m_rows[row] = static_cast<QPlainTextEdit*>(m_controls.Control(kRowIds[row]));
    // The window is on no screen yet: take the densest screen's scale, as QIcon does. A less dense screen
    // samples the finer image down, which keeps it in black and yellow.
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        m_letterImages[letter - 'A'] = ImageForScale(LetterImagePath(letter), qGuiApp->devicePixelRatio());

    const auto button = [this](int id) { return static_cast<QPushButton*>(m_controls.Control(id)); };
    connect(button(kIdDrawButton), &QPushButton::clicked, this, [this] { m_game.DrawRandomLetters(); });
    connect(button(kIdSolutionsButton), &QPushButton::clicked, this, [this] { m_game.ShowSolutions(); });
    connect(button(kIdChooseButton), &QPushButton::clicked, this, [this] { m_game.ChooseLetters(); });
    connect(button(kIdHelpButton), &QPushButton::clicked, this, [this] { m_game.ShowHelp(); });
    m_runLetterEntry = [this]() -> std::optional<std::string> {
        CLetterEntryDlg box(this);
        if (box.exec() != QDialog::Accepted) return std::nullopt;
        return box.EnteredText();
    };
    m_runHelp = [this] { CHelpDlg(this).exec(); };
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

void CGameWindow::CaptureMouse() {
    grabMouse();
    m_mouseCaptured = true;
}

void CGameWindow::ReleaseMouse() {
    if (!m_mouseCaptured) return;
    m_mouseCaptured = false;
    releaseMouse();
}

std::optional<std::string> CGameWindow::RunLetterEntry() { return m_runLetterEntry(); }

void CGameWindow::RunHelp() { m_runHelp(); }

bool CGameWindow::event(QEvent* event) {
    // Qt has no event for a lost grab; these are the ways the window loses the mouse mid-drag.
    const bool losesMouse = event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide;
    if (losesMouse && m_mouseCaptured) {
        ReleaseMouse();
        m_game.CancelDrag();
    }
    return QDialog::event(event);
}

void CGameWindow::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // Loading blocks the window, so the player must first see it with its loading notice.
    if (std::exchange(m_painted, true)) return;
    QTimer::singleShot(kLoadDelay, this, [this] { m_game.LoadLists(); });
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
