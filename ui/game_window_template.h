// The layout of the game window, and the identifiers of the controls the window drives.
#pragma once

#include "game/game_view.h"
#include "ui/dialog_template.h"

namespace escartinol {

inline constexpr int kIdTileFirst = 1000;  // tiles 0..8 are 1000..1008
inline constexpr int kIdDrawButton = 1009;
inline constexpr int kIdBoardPanel = 1010;
inline constexpr int kIdRow1 = 1013;
inline constexpr int kIdRow2 = 1014;
inline constexpr int kIdSolutionsButton = 1015;
inline constexpr int kIdRow3 = 1016;
inline constexpr int kIdChooseButton = 1017;
inline constexpr int kIdHelpButton = 1018;
inline constexpr int kIdHintButton = 1019;
inline constexpr int kIdProgress = 1020;
inline constexpr int kIdDayButton = 1021;
inline constexpr int kIdShareButton = 1022;
inline constexpr int kRowIds[kRowCount] = {kIdRow1, kIdRow2, kIdRow3};
inline constexpr int kIdUpperFrameFirst = 1100;  // the frames of upper slots 0..8 are 1100..1108

const DialogTemplate& GameWindowTemplate();

}  // namespace escartinol
