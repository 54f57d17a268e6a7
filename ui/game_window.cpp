// A plain first window: tiles, result rows and the draw button, enough to play a draw.
#include "ui/game_window.h"

#include <QPainter>
#include <QStringDecoder>
#include <QTimerEvent>
#include <QVBoxLayout>

#include "game/control_ids.h"

namespace escartinol {

namespace {

QString FromCp1252(const std::string& text) {
    QStringDecoder decoder("windows-1252");
    return decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
}

QPixmap DrawLetter(char letter) {
    QPixmap image(50, 50);
    image.fill(QColor(255, 255, 150));
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPixelSize(36);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, QString(QChar(letter)));
    return image;
}

}  // namespace

CGameWindow::CGameWindow(QWidget* parent) : QDialog(parent) {
    setFixedSize(644, 400);
    setWindowTitle(QString(58, QChar(' ')) + "ESCARTINOL");
    for (int i = 0; i < 9; ++i) {
        m_tiles[i] = new QLabel(this);
        m_tiles[i]->setObjectName(QString("tile%1").arg(i));
        m_tiles[i]->setFrameStyle(QFrame::Panel | QFrame::Raised);
        m_tiles[i]->setAlignment(Qt::AlignCenter);
        m_tiles[i]->hide();
    }
    const int rowTops[3] = {219, 254, 289};
    for (int row = 0; row < 3; ++row) {
        auto* edit = new QPlainTextEdit(this);
        edit->setObjectName(QString("row%1").arg(row + 1));
        edit->setGeometry(0, rowTops[row], 644, 29);
        m_rows[kRowIds[row]] = edit;
    }
    auto* draw = new QPushButton(QString::fromUtf8("&Aleatòri"), this);
    draw->setObjectName("drawButton");
    draw->setGeometry(27, 354, 77, 29);
    auto* finish = new QPushButton("Finit", this);
    finish->setObjectName("finishButton");
    finish->setGeometry(608, 377, 36, 23);
    finish->setDefault(true);
    connect(draw, &QPushButton::clicked, this, [this] { m_game->DrawRandomLetters(); });
    connect(finish, &QPushButton::clicked, this, &QDialog::accept);

    m_game = std::make_unique<CGameDlg>(*this);
    m_game->OnInitDialog();
}

CGameWindow::~CGameWindow() { m_game->OnDestroy(); }

void CGameWindow::MoveTile(int tile, const Rect& r) { m_tiles[tile]->setGeometry(r.left, r.top, r.Width(), r.Height()); }
void CGameWindow::CaptureMouse() { grabMouse(); }
void CGameWindow::ReleaseMouse() { releaseMouse(); }
void CGameWindow::SetIcon(int) {}

ImageHandle CGameWindow::LoadImage(int imageId) {
    const int letter = imageId - kIdFirstLetterImage;
    if (letter < 0 || letter >= kLetterImageCount) return kNoImage;
    m_images[imageId] = DrawLetter(static_cast<char>('A' + letter));
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
    if (const auto found = m_rows.find(controlId); found != m_rows.end()) found->second->setPlainText(FromCp1252(text));
}

void CGameWindow::StartTimer(int timerId, int milliseconds) { m_qtTimerOf[timerId] = startTimer(milliseconds); }

void CGameWindow::StopTimer(int timerId) {
    if (const auto found = m_qtTimerOf.find(timerId); found != m_qtTimerOf.end()) {
        killTimer(found->second);
        m_qtTimerOf.erase(found);
    }
}

bool CGameWindow::RunLetterEntry(std::string&) { return false; }
void CGameWindow::RunHelp() {}

void CGameWindow::timerEvent(QTimerEvent* event) {
    for (const auto& [gameId, qtId] : m_qtTimerOf) {
        if (qtId == event->timerId()) {
            m_game->OnTimer(gameId);
            return;
        }
    }
    QDialog::timerEvent(event);
}

}  // namespace escartinol
