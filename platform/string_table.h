// The program's string table, looked up by integer identifier.
#pragma once

#include <string>

// The string with this identifier; empty when the table has none.
std::string LoadString(unsigned id);

// The first line of that string: what a prompt shows.
std::string LoadPrompt(unsigned id);
