// The game window's controls in template order: board panel, slot frames, tiles, rows and buttons.
#include "ui/game_window_template.h"

namespace escartinol {

namespace {

constexpr unsigned kSlotFrame = kBorder | kClientEdge;
constexpr unsigned kResultRow = kStaticEdge;
// The game places and sizes each tile when it shows it; until then they are hidden.
constexpr DluRect kPlacedByGame{0, 0, 0, 0};

// clang-format off
constexpr ControlTemplate kControls[] = {
    {kIdBoardPanel,   "boardPanel",     ControlKind::Static,        {0, 0, 429, 132},  "     ", kRaisedFrame | kClientEdge | kStaticEdge},
    {kNoControlId,    "slotFrame9",     ControlKind::Static,        {15, 80, 44, 40},  "", kSlotFrame},
    {kNoControlId,    "slotFrame10",    ControlKind::Static,        {60, 80, 44, 40},  "", kSlotFrame},
    {kNoControlId,    "slotFrame11",    ControlKind::Static,        {104, 80, 44, 40}, "", kSlotFrame},
    {kNoControlId,    "slotFrame12",    ControlKind::Static,        {148, 80, 44, 40}, "", kSlotFrame},
    {kNoControlId,    "slotFrame13",    ControlKind::Static,        {192, 80, 44, 40}, "", kSlotFrame},
    {kNoControlId,    "slotFrame14",    ControlKind::Static,        {236, 80, 44, 40}, "", kSlotFrame},
    {kNoControlId,    "slotFrame15",    ControlKind::Static,        {280, 80, 44, 40}, "", kSlotFrame},
    {kNoControlId,    "slotFrame16",    ControlKind::Static,        {324, 80, 44, 40}, "", kSlotFrame},
    {kIdUpperFrameFirst + 0, "slotFrame0",    ControlKind::Static,        {16, 15, 44, 40},  "", kSlotFrame},
    {kIdUpperFrameFirst + 1, "slotFrame1",    ControlKind::Static,        {60, 15, 44, 40},  "", kSlotFrame},
    {kIdUpperFrameFirst + 2, "slotFrame2",    ControlKind::Static,        {104, 15, 44, 40}, "", kSlotFrame},
    {kIdUpperFrameFirst + 3, "slotFrame3",    ControlKind::Static,        {148, 15, 44, 40}, "", kSlotFrame},
    {kIdUpperFrameFirst + 4, "slotFrame4",    ControlKind::Static,        {192, 15, 44, 40}, "", kSlotFrame},
    {kIdUpperFrameFirst + 5, "slotFrame5",    ControlKind::Static,        {236, 15, 44, 40}, "", kSlotFrame},
    {kIdUpperFrameFirst + 6, "slotFrame6",    ControlKind::Static,        {280, 15, 44, 40}, "", kSlotFrame},
    {kIdUpperFrameFirst + 7, "slotFrame7",    ControlKind::Static,        {324, 15, 44, 40}, "", kSlotFrame},
    {kIdOk,           "finishButton",   ControlKind::PushButton,    {405, 232, 24, 14}, "Finit", kDefaultButton},
    {kIdRow1,         "row1",           ControlKind::MultiLineEdit, {0, 135, 429, 18}, "", kResultRow},
    {kIdTileFirst + 0, "tile0",         ControlKind::Picture,       kPlacedByGame, "", kRaisedFrame},
    {kIdTileFirst + 1, "tile1",         ControlKind::Picture,       kPlacedByGame, "", kRaisedFrame},
    {kIdTileFirst + 2, "tile2",         ControlKind::Picture,       kPlacedByGame, "", kRaisedFrame},
    {kIdTileFirst + 3, "tile3",         ControlKind::Picture,       kPlacedByGame, "", kRaisedFrame},
    {kIdTileFirst + 4, "tile4",         ControlKind::Picture,       kPlacedByGame, "", kRaisedFrame},
    {kIdTileFirst + 5, "tile5",         ControlKind::Picture,       kPlacedByGame, "", kRaisedFrame},
    {kIdTileFirst + 6, "tile6",         ControlKind::Picture,       kPlacedByGame, "", kRaisedFrame},
    {kIdTileFirst + 7, "tile7",         ControlKind::Picture,       kPlacedByGame, "", kRaisedFrame},
    {kIdTileFirst + 8, "tile8",         ControlKind::Picture,       kPlacedByGame, "", kRaisedFrame},
    {kIdDrawButton,   "drawButton",     ControlKind::PushButton,    {18, 218, 51, 18}, "&Aleatòri", kPlain},
    {kIdUpperFrameFirst + 8, "slotFrame8",    ControlKind::Static,        {368, 15, 44, 40}, "", kSlotFrame},
    {kNoControlId,    "slotFrame17",    ControlKind::Static,        {368, 80, 44, 40}, "", kSlotFrame},
    {kIdRow2,         "row2",           ControlKind::MultiLineEdit, {0, 156, 429, 18}, "", kResultRow},
    {kIdSolutionsButton, "solutionsButton", ControlKind::PushButton, {201, 218, 51, 18}, "&Solucions", kCentredText},
    {kIdRow3,         "row3",           ControlKind::MultiLineEdit, {0, 178, 429, 18}, "", kResultRow},
    {kNoControlId,    "drawGroup",      ControlKind::GroupBox,      {7, 204, 192, 39}, "Tiratge", kPlain},
    {kIdChooseButton, "chooseButton",   ControlKind::PushButton,    {85, 218, 51, 18}, "&Chausit", kPlain},
    {kIdHelpButton,   "helpButton",     ControlKind::PushButton,    {382, 233, 16, 13}, "?", kPlain},
    {kIdHintButton,   "hintButton",     ControlKind::PushButton,    {262, 218, 44, 18}, "&Indici", kPlain},
    {kIdProgress,     "progress",       ControlKind::Static,        {312, 206, 90, 24}, "", kPlain},
    {kIdDayButton,    "dayButton",      ControlKind::PushButton,    {150, 218, 44, 18}, "&Jorn", kPlain},
    {kIdShareButton,  "shareButton",    ControlKind::PushButton,    {328, 232, 48, 14}, "&Partejar", kPlain},
};
// clang-format on

}  // namespace

const DialogTemplate& GameWindowTemplate() {
    // MS Sans Serif 8 points draws 11-pixel letters; Liberation Sans at that size fits every text.
    // No leading blanks in the title: the window manager centres it.
    static const DialogTemplate kTemplate{
        429, 246, kSmallFontUnits, "ESCARTINOL", "Liberation Sans", 11, kControls,
    };
    return kTemplate;
}

}  // namespace escartinol
