// The game window: builds template 102, carries out the core's window operations, routes events.
#include "ui/game_window.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimerEvent>
#include <algorithm>

#include "game/control_ids.h"
#include "ui/cp1252.h"
#include "ui/game_window_template.h"
#include "ui/help_dlg.h"
#include "ui/letter_entry_dlg.h"
#include "ui/resource_images.h"

namespace escartinol {

CGameWindow::CGameWindow(std::string listDir, std::optional<std::uint32_t> seed, QWidget* parent)
    : QDialog(parent), m_controls(BuildDialog(*this, GameWindowTemplate())) {
    for (int i = 0; i < kTileCount; ++i) m_tiles[i] = static_cast<QLabel*>(m_controls.Control(kIdTileFirst + i));
    for (const int id : {kIdDrawButton, kIdSolutionsButton, kIdChooseButton, kIdHelpButton}) {
        connect(static_cast<QPushButton*>(m_controls.Control(id)), &QPushButton::clicked, this,
                [this, id] { Route(GameEvent::ButtonClicked, {.controlId = id}); });
    }
    m_runLetterEntry = [this](std::string& text) {
        CLetterEntryDlg box(this);
        const bool ok = box.exec() == QDialog::Accepted;
        text = box.EnteredText();
        return ok;
    };
    m_runHelp = [this] { CHelpDlg(this).exec(); };
    // Moves reach the board whether or not a button is held: the drag handlers decide what they mean.
    setMouseTracking(true);

    m_game = std::make_unique<CGameDlg>(*this, std::move(listDir), seed);
    if (m_game->OnInitDialog()) {
        for (QWidget* control : m_controls.controls) {
            if (control->focusPolicy() & Qt::TabFocus) {
                control->setFocus();
                break;
            }
        }
    }
}

CGameWindow::~CGameWindow() { Route(GameEvent::Destroyed); }

bool CGameWindow::Route(GameEvent event, const GameEventArgs& args) { return RouteGameEvent(*m_game, event, args); }

void CGameWindow::MoveTile(int tile, const Rect& r) {
    m_tiles[tile]->setGeometry(r.left, r.top, r.Width(), r.Height());
    // A dragged tile passes over the other tiles and the rows; it must stay in front of them.
    m_tiles[tile]->raise();
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

void CGameWindow::SetIcon(int) { setWindowIcon(ApplicationIcon()); }

ImageHandle CGameWindow::LoadImage(int imageId) {
    // The window is on no screen yet: take the densest screen's scale, as QIcon does. A less dense screen
    // samples the finer image down, which keeps it in black and yellow.
    const QPixmap image = ImageForScale(LetterImagePath(imageId), qGuiApp->devicePixelRatio());
    if (image.isNull()) return kNoImage;
    m_images[imageId] = image;
    return imageId;
}

void CGameWindow::ReleaseImage(ImageHandle image) { m_images.erase(image); }

void CGameWindow::SetTileImage(int tile, ImageHandle image) {
    if (const auto found = m_images.find(image); found != m_images.end()) m_tiles[tile]->setPixmap(found->second);
}

void CGameWindow::HideTile(int tile) { m_tiles[tile]->hide(); }

void CGameWindow::ShowTile(int tile, const Rect& r) {
    MoveTile(tile, r);
    m_tiles[tile]->raise();
    m_tiles[tile]->show();
}

void CGameWindow::SetControlText(int controlId, const std::string& text) {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(m_controls.Control(controlId))) edit->setPlainText(FromCp1252(text));
}

void CGameWindow::StartTimer(int timerId, int milliseconds) {
    StopTimer(timerId);
    if (m_painted)
        m_qtTimerOf[timerId] = startTimer(milliseconds);
    else
        m_pendingTimers.emplace_back(timerId, milliseconds);
}

void CGameWindow::StopTimer(int timerId) {
    std::erase_if(m_pendingTimers, [timerId](const auto& pending) { return pending.first == timerId; });
    if (const auto found = m_qtTimerOf.find(timerId); found != m_qtTimerOf.end()) {
        killTimer(found->second);
        m_qtTimerOf.erase(found);
    }
}

bool CGameWindow::RunLetterEntry(std::string& text) { return m_runLetterEntry(text); }

void CGameWindow::RunHelp() { m_runHelp(); }

bool CGameWindow::event(QEvent* event) {
    // Qt has no message for a lost capture; these are the ways the window loses the mouse mid-drag.
    const bool losesMouse = event->type() == QEvent::WindowDeactivate || event->type() == QEvent::Hide;
    if (losesMouse && m_mouseCaptured) {
        ReleaseMouse();
        Route(GameEvent::CaptureLost);
    }
    return QDialog::event(event);
}

void CGameWindow::paintEvent(QPaintEvent* event) {
    if (!Route(GameEvent::Paint)) QDialog::paintEvent(event);
    if (m_painted) return;
    m_painted = true;
    for (const auto& [timerId, milliseconds] : std::exchange(m_pendingTimers, {})) StartTimer(timerId, milliseconds);
}

void CGameWindow::timerEvent(QTimerEvent* event) {
    const auto found = std::find_if(m_qtTimerOf.begin(), m_qtTimerOf.end(),
                                    [event](const auto& timer) { return timer.second == event->timerId(); });
    if (found == m_qtTimerOf.end()) {
        QDialog::timerEvent(event);
        return;
    }
    // The handler stops the timer, which erases the entry found.
    Route(GameEvent::Timer, {.timerId = found->first});
}

void CGameWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // The buttons and rows take their own presses; one they refused still must not reach the board.
    if (childAt(at) == nullptr) {
        const Point point{at.x(), at.y()};
        if (event->button() == Qt::LeftButton) Route(GameEvent::LeftPressed, {.point = point});
        if (event->button() == Qt::RightButton) Route(GameEvent::RightPressed, {.point = point});
    }
    QDialog::mousePressEvent(event);
}

void CGameWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    Route(GameEvent::PointerMoved, {.point = {at.x(), at.y()}});
    QDialog::mouseMoveEvent(event);
}

void CGameWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Route(GameEvent::LeftReleased);
    QDialog::mouseReleaseEvent(event);
}

}  // namespace escartinol
