// The game window on Qt: template 102, showing the game through its view and passing it the player's acts.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/game.h"
#include "game/game_view.h"
#include "ui/dialog_template.h"

class QLabel;
class QPlainTextEdit;

namespace escartinol {

class CGameWindow : public QDialog, private IGameView {
    Q_OBJECT
public:
    // listDir and seed go to the game: the lists' folder (empty: the current one) and a fixed draw.
    explicit CGameWindow(std::string listDir = {}, std::optional<std::uint32_t> seed = {}, QWidget* parent = nullptr);

    CGame& Game() { return m_game; }

    // The two boxes run modally through these, so that a test can answer in their place.
    using LetterEntryRunner = std::function<std::optional<std::string>()>;
    using HelpRunner = std::function<void()>;
    void SetLetterEntryRunner(LetterEntryRunner run) { m_runLetterEntry = std::move(run); }
    void SetHelpRunner(HelpRunner run) { m_runHelp = std::move(run); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // IGameView
    void ShowTile(int tile, char letter, const Rect& r) override;
    void HideTile(int tile) override;
    void MoveTile(int tile, const Rect& r) override;
    void SetRowText(int row, const std::string& text) override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    std::optional<std::string> RunLetterEntry() override;
    void RunHelp() override;

    BuiltDialog m_controls;
    std::array<QLabel*, kTileCount> m_tiles{};
    std::array<QPlainTextEdit*, 3> m_rows{};
    std::array<QPixmap, 26> m_letterImages;
    bool m_painted = false;
    bool m_mouseCaptured = false;
    LetterEntryRunner m_runLetterEntry;
    HelpRunner m_runHelp;
    CGame m_game;
};

}  // namespace escartinol
