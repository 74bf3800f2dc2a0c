// Length of a name as the player sees it.
#pragma once

#include <cstddef>
#include <string_view>

// The number of characters of UTF-8 text: every byte but the continuation
// bytes (10xxxxxx) starts one, so text that is not UTF-8 still has a length.
inline std::size_t TextLength(std::string_view text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}
