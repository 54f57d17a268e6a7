// The game window on Qt: shows the game through its view, passes it the player's acts and runs the two boxes.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/game.h"
#include "game/game_view.h"
#include "ui/dialog_template.h"

class QDate;
class QLabel;
class QPlainTextEdit;
class QTimer;

namespace escartinol {

class CGameWindow : public QDialog, private IGameView {
    Q_OBJECT
public:
    // listDir and seed go to the game: the lists' folder (empty: the current one) and a fixed draw.
    // letters: the board to start with (NamedLetters), else a draw.
    // lang: the language of the board of the day, which Jorn plays.
    explicit CGameWindow(std::string listDir = {}, std::optional<std::uint32_t> seed = {},
                         const std::optional<std::string>& letters = {}, std::string lang = "fr",
                         QWidget* parent = nullptr);

    CGame& Game() { return m_game; }

protected:
    bool event(QEvent* event) override;
    // Keys come to the focused control first: a button would press itself on Enter before the window
    // could tell that Enter follows keyboard play.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Hands a key to the game and does what it says; false when the key goes on to the control.
    bool PlayKey(QKeyEvent* event);

    // "Chausit": the rows emptied, the letter box run modally, and what it gave handed to the game.
    void ChooseLetters();

    // IGameView
    void ShowTile(int tile, char letter, const Rect& r) override;
    void HideTile(int tile) override;
    void MoveTile(int tile, const Rect& r) override;
    void SetRowText(int row, const std::string& text) override;
    void LightWord(int length) override;
    void SetProgressText(const std::string& text) override;

public:
    // The board of the day of date; today's counts in the player's score.
    void PlayDay(const QDate& date);

private:
    // Kept under $XDG_STATE_HOME; a file that cannot be written leaves the score of this run only.
    void SaveScore();

    std::string m_lang;
    Score m_score;
    BuiltDialog m_controls;
    std::array<QLabel*, kTileCount> m_tiles{};
    std::array<QWidget*, kTileCount> m_upperFrames{};
    std::array<QPlainTextEdit*, kRowCount> m_rows{};
    QLabel* m_progress = nullptr;
    std::array<QPixmap, kKeyLetterCount> m_letterImages;
    bool m_painted = false;
    QTimer* m_longPress = nullptr;
    CGame m_game;
};

}  // namespace escartinol
