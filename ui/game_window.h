// The game window on Qt: implements the window operations and forwards events to CGameDlg.
#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPixmap>
#include <array>
#include <map>
#include <memory>

#include "game/game_dlg.h"
#include "game/window_ops.h"

namespace escartinol {

class CGameWindow : public QDialog, public IWindowOps {
    Q_OBJECT
public:
    explicit CGameWindow(QWidget* parent = nullptr);
    ~CGameWindow() override;

    CGameDlg& Game() { return *m_game; }

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
    void timerEvent(QTimerEvent* event) override;

private:
    std::array<QLabel*, 9> m_tiles{};
    std::map<int, QPlainTextEdit*> m_rows;
    std::map<ImageHandle, QPixmap> m_images;
    std::map<int, int> m_qtTimerOf;  // game timer id -> Qt timer id
    std::unique_ptr<CGameDlg> m_game;
};

}  // namespace escartinol
