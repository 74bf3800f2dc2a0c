// The About box's epigraphs: strings 2000 onwards, one per opening, in turn.
#pragma once

#include <string>

#include "engine/identifiers.h"

constexpr int kFirstEpigraph = StringId::kFirstEpigraph;

// The string identifier of the next epigraph; every run starts at the first.
extern int g_nextEpigraph;

// The epigraph for this opening. The cycle turns back to the first one at the
// first identifier without a string.
std::string TakeNextEpigraph();
