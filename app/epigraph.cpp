#include "app/epigraph.h"

#include "platform/string_table.h"

int g_nextEpigraph = kFirstEpigraph;

std::string TakeNextEpigraph() {
    const int id = g_nextEpigraph;
    g_nextEpigraph = id + 1;
    std::string text = LoadString(static_cast<unsigned>(id));
    if (text.empty()) {
        g_nextEpigraph = kFirstEpigraph + 1;
        text = LoadString(kFirstEpigraph);
    }
    return text;
}
