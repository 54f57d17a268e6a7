// Numeric identifiers of the game window's controls, images and timer.
#pragma once

namespace escartinol {

inline constexpr int kIdTileFirst = 1000;  // tiles are 1000..1008
inline constexpr int kIdDrawButton = 1009;
inline constexpr int kIdBoardPanel = 1010;
inline constexpr int kIdRow1 = 1013;
inline constexpr int kIdRow2 = 1014;
inline constexpr int kIdSolutionsButton = 1015;
inline constexpr int kIdRow3 = 1016;
inline constexpr int kIdChooseButton = 1017;
inline constexpr int kIdHelpButton = 1018;
inline constexpr int kRowIds[3] = {kIdRow1, kIdRow2, kIdRow3};

inline constexpr int kIdIcon = 128;
inline constexpr int kIdFirstLetterImage = 130;  // 130 is A, 155 is Z
inline constexpr int kLetterImageCount = 26;

inline constexpr int kLoadTimerId = 1;
inline constexpr int kLoadTimerMs = 5;

}  // namespace escartinol
