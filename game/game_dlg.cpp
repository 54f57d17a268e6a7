// Start-up, draws and player commands of the game window.
#include "game/game_dlg.h"

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>

#include "game/control_ids.h"
#include "game/draw_table.h"
#include "game/letter_entry_rule.h"
#include "words/cp1252_text.h"

namespace escartinol {

const std::string kLoadingNotice = std::string(57, ' ') + "CARGAMENT DEI TI\xC8RAS DE M\xD2TS EN CORS...";
const std::string kNoListsNotice = "TI\xC8RAS DE M\xD2TS INTROBABLAS: ";

namespace {

// The folder as the player would look for it: absolute, without a trailing separator.
std::string ShownFolder(const std::string& dir) {
    std::error_code ec;
    std::filesystem::path folder = std::filesystem::absolute(dir.empty() ? "." : dir, ec).lexically_normal();
    if (ec) return dir;
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    return folder.string();
}

}  // namespace

CGameDlg::CGameDlg(IWindowOps& window, std::string listDir, std::optional<std::uint32_t> seed, ListHolding holding)
    : m_wordLists(listDir, holding),
      m_window(window),
      m_search(m_wordLists, *this),
      m_listDir(std::move(listDir)),
      m_seed(seed) {
    m_letterBitmap.fill(kNoImage);
}

bool CGameDlg::OnInitDialog() {
    m_window.SetIcon(m_hIcon);
    m_listsLoaded = 0;
    for (int k = 0; k < kLetterImageCount; ++k) m_letterBitmap[k] = m_window.LoadImage(kIdFirstLetterImage + k);
    m_imagesLoaded = true;
    for (int i = 0; i < kTileCount; ++i) {
        m_window.HideTile(i);
        m_board.m_slotTaken[i] = 0;
    }
    m_board.m_dragTile = -1;
    m_board.m_topRowArea = kTopRowArea;
    m_board.m_bottomRowArea = kBottomRowArea;
    // The clock's finest tick, so that two games started within a second still differ.
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_random.seed(m_seed.value_or(static_cast<std::uint32_t>(ticks)));
    DrawRandomLetters();
    m_window.SetControlText(kIdRow1, kLoadingNotice);
    m_window.StartTimer(kLoadTimerId, kLoadTimerMs);
    return true;
}

void CGameDlg::OnTimer(int timerId) {
    m_window.StopTimer(kLoadTimerId);
    if (timerId != kLoadTimerId || m_listsLoaded) return;
    int unreadable = 0;
    m_wordLists.LoadWordLists([&unreadable](const std::string& path) {
        std::cerr << "escartinol: cannot read the word list " << path << "; playing without it\n";
        ++unreadable;
    });
    m_listsLoaded = 1;
    // Started from a menu, nobody sees standard error; and the loading notice must not stay as if
    // the loading went on.
    if (unreadable == kListCount) SetRowText(0, kNoListsNotice + Cp1252FileName(ShownFolder(m_listDir)));
    SearchWords();
}

void CGameDlg::OnDestroy() {
    if (m_imagesLoaded) {
        for (ImageHandle& image : m_letterBitmap) {
            m_window.ReleaseImage(image);
            image = kNoImage;
        }
        m_imagesLoaded = false;
    }
    m_wordLists.Release();
}

void CGameDlg::ClearRows() {
    for (int row = 0; row < 3; ++row) {
        m_rowWords[row].clear();
        m_window.SetControlText(kRowIds[row], m_rowWords[row]);
    }
}

void CGameDlg::DrawRandomLetters() {
    ClearRows();
    for (int i = 0; i < kTileCount; ++i) {
        m_letters[i] = LetterForDraw(m_drawDistribution(m_random));
        ResetTile(i);
    }
    if (m_listsLoaded) SearchWords();
}

void CGameDlg::ResetTile(int i) {
    const int letter = m_letters[i] - 'A';
    // Only A..Z ever reach the letters; the guard keeps the image table safe regardless.
    if (letter >= 0 && letter < kLetterImageCount) m_window.SetTileImage(i, m_letterBitmap[letter]);
    m_board.ResetSlot(i);
    m_window.ShowTile(i, m_board.m_tileRect[i]);
}

void CGameDlg::SearchWords() { m_search.SearchWords(m_letters, m_rowWords); }

void CGameDlg::SetRowText(int row, const std::string& text) { m_window.SetControlText(kRowIds[row], text); }

void CGameDlg::ShowSolutions() {
    for (int row = 0; row < 3; ++row) m_window.SetControlText(kRowIds[row], m_rowWords[row]);
}

void CGameDlg::ChooseLetters() {
    ClearRows();
    std::string text;
    const bool ok = m_window.RunLetterEntry(text);
    ApplyLetterEntry(ok, text);
}

void CGameDlg::ApplyLetterEntry(bool ok, const std::string& text) {
    if (ok && StartsWithNineCapitals(text)) std::copy_n(text.begin(), m_letters.size(), m_letters.begin());
    for (int i = 0; i < kTileCount; ++i) ResetTile(i);
    if (m_listsLoaded) SearchWords();
}

void CGameDlg::RepeatedDraw() {
    for (int draw = 0; draw < kRepeatedDraws; ++draw) DrawRandomLetters();
}

void CGameDlg::ShowHelp() { m_window.RunHelp(); }

void CGameDlg::OnLButtonDown(Point p) { m_board.PickUp(p, m_window); }
void CGameDlg::OnMouseMove(Point p) { m_board.Drag(p, m_window); }
void CGameDlg::OnLButtonUp() { m_board.Drop(m_window); }
// The capture is already gone; releasing it now could take it from whoever holds it.
void CGameDlg::OnCaptureLost() { m_board.AbandonDrag(m_window); }

}  // namespace escartinol
