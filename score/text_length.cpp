#include "score/text_length.h"

#include <algorithm>
#include <iterator>

#include "score/grapheme_table.h"

namespace {

using B = CGraphemeBreak;

// The code point starting at text[i] and the bytes it takes, or (U+FFFD, 1)
// for a byte that does not start a well-formed sequence.
std::pair<char32_t, std::size_t> Decode(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    const std::size_t size = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
    if (size == 1) return {lead, 1};
    if (size == 0 || i + size > text.size()) return {0xFFFD, 1};
    char32_t c = lead & (0x7F >> size);
    for (std::size_t k = 1; k < size; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) return {0xFFFD, 1};
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond U+10FFFF.
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < least[size] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return {0xFFFD, 1};
    return {c, size};
}

B Property(char32_t c) {
    const auto* end = std::end(kGraphemeRanges);
    const auto* it =
        std::upper_bound(std::begin(kGraphemeRanges), end, c,
                         [](char32_t v, const CGraphemeRange& r) { return v < r.first; });
    if (it == std::begin(kGraphemeRanges)) return B::Other;
    --it;
    return c <= it->last ? it->property : B::Other;
}

bool IsControl(B p) {
    return p == B::CR || p == B::LF || p == B::Control;
}

// What the break rules remember of the cluster so far.
struct CClusterState {
    B last = B::Other;
    bool pictographicRun = false; // Extended_Pictographic Extend*, or that then ZWJ
    int regionalIndicators = 0;   // in a row, ending at the last code point
};

// Whether a cluster ends between the state's last code point and next.
bool BreaksBefore(const CClusterState& s, B next) {
    const B prev = s.last;
    if (prev == B::CR && next == B::LF) return false;
    if (IsControl(prev) || IsControl(next)) return true;
    if (prev == B::L && (next == B::L || next == B::V || next == B::LV || next == B::LVT))
        return false;
    if ((prev == B::LV || prev == B::V) && (next == B::V || next == B::T)) return false;
    if ((prev == B::LVT || prev == B::T) && next == B::T) return false;
    if (next == B::Extend || next == B::ZWJ || next == B::SpacingMark) return false;
    if (prev == B::Prepend) return false;
    if (prev == B::ZWJ && next == B::ExtendedPictographic && s.pictographicRun) return false;
    if (prev == B::RegionalIndicator && next == B::RegionalIndicator)
        return s.regionalIndicators % 2 == 0;
    return true;
}

void Advance(CClusterState& s, B next, bool newCluster) {
    if (next == B::ExtendedPictographic) {
        s.pictographicRun = true;
    } else if (newCluster || !(next == B::Extend || next == B::ZWJ) || s.last == B::ZWJ) {
        // Only one joiner may stand between two pictographs.
        s.pictographicRun = false;
    }
    s.regionalIndicators = next == B::RegionalIndicator ? s.regionalIndicators + 1 : 0;
    s.last = next;
}

} // namespace

std::size_t TextLength(std::string_view text) {
    std::size_t count = 0;
    CClusterState state;
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, size] = Decode(text, i);
        const B property = Property(c);
        const bool newCluster = count == 0 || BreaksBefore(state, property);
        if (newCluster) ++count;
        Advance(state, property, newCluster);
        i += size;
    }
    return count;
}
