// What the front ends map their pointers and keys onto: the kinds of press, key and focus the game
// tells apart, so that each rule of play is written once, in CGame.
#pragma once

#include <string_view>

namespace escartinol {

// How a pointer pressed the board.
enum class PressKind {
    kMainButton,   // a mouse's left button: picks up a tile
    kOtherButton,  // a mouse's right button: the fifty draws
    kTouch,        // a finger or a pen: picks up a tile, or, held still on the empty board, the fifty draws
};

// How long a finger or pen stays down on the empty board for the fifty draws, and how far it may
// wander meanwhile (window pixels): a finger never rests quite still.
inline constexpr int kLongPressMilliseconds = 500;
inline constexpr int kLongPressSlop = 8;

enum class Key {
    kText,  // a key that types text, given with it
    kBackspace,
    kEnter,
    kEscape,
    kOther,
};

// Where the keyboard focus is when a key comes.
enum class KeyFocus {
    kBoard,         // no control: the window or the page itself
    kFinishButton,  // "Finit", the window's default button
    kOtherButton,   // any other button or link, which Enter presses
    kResultRow,     // a result row, which keeps what is typed in it
};

// What the front end does with a key once the game has seen it.
enum class KeyOutcome {
    kTaken,    // the game used it or refused it: nothing else may see it
    kPassOn,   // the focused control or the window's own handling has it
    kEndGame,  // the end of the game, as "Finit"
};

// The capital A..Z whose tile a key's text (UTF-8) raises: a letter of either case, an accented one
// for its letter without the accent, since the lists ignore accents; 0 for any other text.
char BoardLetterOfKey(std::string_view utf8);

}  // namespace escartinol
