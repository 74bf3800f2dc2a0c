// Length of a name as the player sees it: the characters on screen, where a
// letter with its combining marks, a Hangul syllable in jamo, a flag or an
// emoji with its modifiers and joined parts is one character.
#pragma once

#include <cstddef>
#include <string_view>

// The number of grapheme clusters of UTF-8 text (the extended clusters of
// Unicode text segmentation). A byte that does not belong to well-formed
// UTF-8 counts as one character of its own, so any text has a length.
std::size_t TextLength(std::string_view text);
