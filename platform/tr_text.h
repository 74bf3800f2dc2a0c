// The core's texts as the player reads them: looked up in the language
// catalogue under the context they were marked with, unchanged without one.
#pragma once

#include <QString>
#include <string>

// Text of the core, translated under context.
QString TrCore(const char* context, const std::string& text);

// String id of the string table, translated whole.
QString TrString(unsigned id);

// The first line of the translated string: what a prompt shows.
QString TrPrompt(unsigned id);
