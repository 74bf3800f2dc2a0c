#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::string_view kUsage = "Usage: marbix [--help | --version]\n"
                                    "Move coloured balls into rows of five on a 9 x 9 board.\n"
                                    "\n"
                                    "  --help     show this help and exit\n"
                                    "  --version  show the version and exit\n"
                                    "\n"
                                    "Keys: arrows and Space or Return play the board, F2 starts,\n"
                                    "F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.\n"
                                    "Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over\n"
                                    "the board, zoom the board; Ctrl+0 shows it at its own size.\n";

// The toolkit's own options (also written with two dashes) and whether each
// takes the next word as its value.
struct CToolkitOption {
    std::string_view name;
    bool takesValue;
};
constexpr std::array<CToolkitOption, 14> kToolkitOptions{{
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-qwindowgeometry", true},
    {"-qwindowicon", true},
    {"-qwindowtitle", true},
    {"-reverse", false},
    {"-session", true},
    {"-style", true},
    {"-stylesheet", true},
    {"-display", true},
    {"-geometry", true},
    {"-sync", false},
}};

const CToolkitOption* ToolkitOption(std::string_view arg) {
    if (arg.starts_with("--")) arg.remove_prefix(1);
    // "-style=fusion" carries its value in the same word.
    const std::string_view name = arg.substr(0, arg.find('='));
    auto it = std::find_if(kToolkitOptions.begin(), kToolkitOptions.end(),
                           [&](const CToolkitOption& o) { return o.name == name; });
    return it == kToolkitOptions.end() ? nullptr : &*it;
}

CCommandLineResult Refuse(std::ostream& err, std::string_view what, std::string_view arg) {
    err << "marbix: " << what << " '" << arg << "'\n"
        << "Try 'marbix --help' for more information.\n";
    return {true, 2};
}

} // namespace

CCommandLineResult ReadCommandLine(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            out << kUsage;
            return {true, 0};
        }
        if (arg == "--version") {
            out << "marbix " << MARBIX_VERSION << '\n';
            return {true, 0};
        }
    }
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const CToolkitOption* option = ToolkitOption(arg);
        if (!option) {
            const bool isOption = arg.starts_with('-') && arg.size() > 1;
            return Refuse(err, isOption ? "unknown option" : "unexpected argument", arg);
        }
        if (option->takesValue && arg.find('=') == std::string_view::npos && ++i == argc)
            return Refuse(err, "missing value after", arg);
    }
    return {};
}
