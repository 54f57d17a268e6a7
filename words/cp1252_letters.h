// Letters of the cp1252 code page as the lists use them: lower-case words, A..Z keys.
#pragma once

namespace escartinol {

// The capital A..Z that a lower-case cp1252 letter stands for once its accent is removed
// (é gives E, ç gives C), or 0 when the byte is not a lower-case letter that a key can hold.
char KeyLetterOf(unsigned char c);

// True for a capital letter of cp1252 (A..Z, À..Þ but ×, Š, Œ, Ž, Ÿ): what a list word must not hold.
bool IsCapitalLetter(unsigned char c);

}  // namespace escartinol
