// The game window on Qt: template 102, the window operations of the core, events routed to CGameDlg.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/game_dlg.h"
#include "game/window_ops.h"
#include "ui/dialog_template.h"
#include "ui/game_event_routes.h"

class QLabel;

namespace escartinol {

class CGameWindow : public QDialog, public IWindowOps {
    Q_OBJECT
public:
    // listDir and seed go to CGameDlg: the lists' folder (empty: the current one) and a fixed draw.
    explicit CGameWindow(std::string listDir = {}, std::optional<std::uint32_t> seed = {}, QWidget* parent = nullptr);
    ~CGameWindow() override;

    CGameDlg& Game() { return *m_game; }
    QWidget* Control(int id) const { return m_controls.Control(id); }

    // The two boxes run modally through these, so that a test can answer in their place.
    using LetterEntryRunner = std::function<bool(std::string& text)>;
    using HelpRunner = std::function<void()>;
    void SetLetterEntryRunner(LetterEntryRunner run) { m_runLetterEntry = std::move(run); }
    void SetHelpRunner(HelpRunner run) { m_runHelp = std::move(run); }

    // IWindowOps
    void MoveTile(int tile, const Rect& r) override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    void SetIcon(int iconId) override;
    ImageHandle LoadImage(int imageId) override;
    void ReleaseImage(ImageHandle image) override;
    void SetTileImage(int tile, ImageHandle image) override;
    void HideTile(int tile) override;
    void ShowTile(int tile, const Rect& r) override;
    void SetControlText(int controlId, const std::string& text) override;
    void StartTimer(int timerId, int milliseconds) override;
    void StopTimer(int timerId) override;
    bool RunLetterEntry(std::string& text) override;
    void RunHelp() override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool Route(GameEvent event, const GameEventArgs& args = {});

    BuiltDialog m_controls;
    std::array<QLabel*, 9> m_tiles{};
    std::map<ImageHandle, QPixmap> m_images;
    std::map<int, int> m_qtTimerOf;  // game timer id -> Qt timer id
    // Timers asked for before the window was first painted: the loading must wait for the window.
    std::vector<std::pair<int, int>> m_pendingTimers;
    bool m_painted = false;
    bool m_mouseCaptured = false;
    LetterEntryRunner m_runLetterEntry;
    HelpRunner m_runHelp;
    std::unique_ptr<CGameDlg> m_game;
};

}  // namespace escartinol
