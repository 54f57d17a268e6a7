// The game window: builds its template, shows the game's tiles and rows, and hands it keys, clicks and drags.
#include "ui/game_window.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDevice>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <chrono>
#include <utility>

#include "game/day_boards.h"
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

QString ScorePath() {
    const QString state = qEnvironmentVariable("XDG_STATE_HOME");
    return (state.startsWith('/') ? state : QDir::homePath() + "/.local/state") + "/escartinol/score";
}

long Today() {
    const QDate today = QDate::currentDate();
    return DaysFromCivil(today.year(), static_cast<unsigned>(today.month()), static_cast<unsigned>(today.day()));
}

}  // namespace

CGameWindow::CGameWindow(std::string listDir, std::optional<std::uint32_t> seed,
                         const std::optional<std::string>& letters, std::string lang, QWidget* parent)
    : QDialog(parent),
      m_lang(std::move(lang)),
      m_controls(BuildDialog(*this, GameWindowTemplate())),
      m_game(*this, std::move(listDir), seed) {
    setWindowIcon(ApplicationIcon());
    for (int i = 0; i < kTileCount; ++i) m_tiles[i] = static_cast<QLabel*>(m_controls.Control(kIdTileFirst + i));
    for (int s = 0; s < kTileCount; ++s) m_upperFrames[s] = m_controls.Control(kIdUpperFrameFirst + s);
    for (int row = 0; row < kRowCount; ++row)
        m_rows[row] = static_cast<QPlainTextEdit*>(m_controls.Control(kRowIds[row]));
    m_progress = static_cast<QLabel*>(m_controls.Control(kIdProgress));
    // The window is on no screen yet: take the densest screen's scale, as QIcon does. A less dense screen
    // samples the finer image down, which keeps it in black and yellow.
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        m_letterImages[letter - 'A'] = ImageForScale(LetterImagePath(letter), qGuiApp->devicePixelRatio());

    const auto button = [this](int id) { return static_cast<QPushButton*>(m_controls.Control(id)); };
    connect(button(kIdDrawButton), &QPushButton::clicked, this, [this] { m_game.DrawRandomLetters(); });
    connect(button(kIdSolutionsButton), &QPushButton::clicked, this, [this] { m_game.ShowSolutions(); });
    connect(button(kIdChooseButton), &QPushButton::clicked, this, [this] { ChooseLetters(); });
    connect(button(kIdHintButton), &QPushButton::clicked, this, [this] { m_game.Hint(); });
    connect(button(kIdDayButton), &QPushButton::clicked, this, [this] { PlayDay(QDate::currentDate()); });
    connect(button(kIdShareButton), &QPushButton::clicked, this, [this] {
        const QString text = QString::fromStdString(Cp1252ToUtf8(m_game.ShareText(m_lang, m_score)));
        QGuiApplication::clipboard()->setText(text);
        QMessageBox::information(this, "Partejar", text);
    });
    connect(button(kIdHelpButton), &QPushButton::clicked, this, [this] { CHelpDlg(this).exec(); });
    // Moves reach the board whether or not a button is held: the game decides what they mean.
    setMouseTracking(true);
    m_longPress = new QTimer(this);
    m_longPress->setSingleShot(true);
    m_longPress->setInterval(kLongPressMilliseconds);
    connect(m_longPress, &QTimer::timeout, this, [this] { m_game.LongPressElapsed(); });
    for (QWidget* control : m_controls.controls)
        if (control->focusPolicy() != Qt::NoFocus) control->installEventFilter(this);

    // A damaged or missing score is a fresh start.
    if (QFile file(ScorePath()); file.open(QIODevice::ReadOnly)) m_score = ReadScore(file.read(4096).toStdString());
    m_game.Start(letters);
    for (QWidget* control : m_controls.controls) {
        if (control->focusPolicy() & Qt::TabFocus) {
            control->setFocus();
            break;
        }
    }
}

void CGameWindow::PlayDay(const QDate& date) {
    m_game.PlayDayBoard(m_lang, date.year(), static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()));
    if (m_game.DayOnShow() != Today()) return;
    m_score.Played(Today());
    SaveScore();
}

void CGameWindow::SaveScore() {
    QDir().mkpath(QFileInfo(ScorePath()).path());
    QSaveFile file(ScorePath());
    if (file.open(QIODevice::WriteOnly)) {
        file.write(QByteArray::fromStdString(ScoreText(m_score)));
        file.commit();
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

void CGameWindow::SetProgressText(const std::string& text) {
    m_progress->setText(QString::fromStdString(Cp1252ToUtf8(text)));
    // Today's board, every word found: once a day in the score.
    if (m_game.DayOnShow() == Today() && m_game.AllFound() && m_score.lastCompleted != Today()) {
        m_score.Completed(Today());
        SaveScore();
    }
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

bool CGameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && PlayKey(static_cast<QKeyEvent*>(event))) return true;
    return QDialog::eventFilter(watched, event);
}

void CGameWindow::keyPressEvent(QKeyEvent* event) {
    if (!PlayKey(event)) QDialog::keyPressEvent(event);
}

bool CGameWindow::PlayKey(QKeyEvent* event) {
    Key key = event->text().isEmpty() ? Key::kOther : Key::kText;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) key = Key::kEnter;
    if (event->key() == Qt::Key_Escape) key = Key::kEscape;
    if (event->key() == Qt::Key_Backspace) key = Key::kBackspace;
    // Alt+letter is a button's mnemonic, taken before any key reaches here.
    const bool modified = event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);
    QWidget* focused = focusWidget();
    KeyFocus focus = KeyFocus::kBoard;
    if (focused == m_controls.Control(kIdOk))
        focus = KeyFocus::kFinishButton;
    else if (qobject_cast<QAbstractButton*>(focused))
        focus = KeyFocus::kOtherButton;
    else if (qobject_cast<QPlainTextEdit*>(focused))
        focus = KeyFocus::kResultRow;
    const QString control = focused ? focused->objectName() : QString();
    switch (m_game.PressKey(key, event->text().toStdString(), modified, focus, control.toStdString())) {
        case KeyOutcome::kTaken:
            return true;
        case KeyOutcome::kPassOn:
            return false;
        case KeyOutcome::kEndGame:
            key == Key::kEscape ? reject() : accept();
            return true;
    }
    return false;
}

void CGameWindow::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // The buttons and rows take their own presses; one they refused still must not reach the board.
    if (childAt(at) == nullptr) {
        // Qt turns a finger on a touch screen into the left button.
        const bool touch = event->device() && event->device()->type() == QInputDevice::DeviceType::TouchScreen;
        if (event->button() == Qt::LeftButton)
            m_game.PointerDown(0, {at.x(), at.y()}, touch ? PressKind::kTouch : PressKind::kMainButton);
        else if (event->button() == Qt::RightButton)
            m_game.PointerDown(0, {at.x(), at.y()}, PressKind::kOtherButton);
        if (m_game.LongPressPending()) m_longPress->start();
    }
    QDialog::mousePressEvent(event);
}

void CGameWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    m_game.PointerMove(0, {at.x(), at.y()});
    QDialog::mouseMoveEvent(event);
}

void CGameWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_game.PointerUp(0);
    QDialog::mouseReleaseEvent(event);
}

}  // namespace escartinol
