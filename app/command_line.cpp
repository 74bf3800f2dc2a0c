#include "app/command_line.h"

#include "platform/text_mark.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <unistd.h>

namespace {

// The usage in parts, so that each part is translated alone and the English
// layout stays as it is.
constexpr const char* kContext = "CCommandLine";
constexpr const char* kSynopsis =
    QT_TRANSLATE_NOOP("CCommandLine", "Usage: marbix [--help | --version]");
constexpr const char* kPurpose =
    QT_TRANSLATE_NOOP("CCommandLine", "Move coloured balls into rows of five on a 9 x 9 board.");
constexpr const char* kHelpOption = QT_TRANSLATE_NOOP("CCommandLine", "show this help and exit");
constexpr const char* kVersionOption =
    QT_TRANSLATE_NOOP("CCommandLine", "show the version and exit");
constexpr const char* kFileOption = QT_TRANSLATE_NOOP(
    "CCommandLine", "watch a recorded game (marbix-headless --verify FILE checks one)");
constexpr const char* kKeys = QT_TRANSLATE_NOOP(
    "CCommandLine", "Keys: arrows and Space or Return play the board, F2 starts,\n"
                    "F3 stops, Backspace undoes, F4 skips, F5 pauses, F1 about.");
constexpr const char* kUnknownOption = QT_TRANSLATE_NOOP("CCommandLine", "unknown option");
constexpr const char* kUnexpectedArgument =
    QT_TRANSLATE_NOOP("CCommandLine", "unexpected argument");
constexpr const char* kMissingValue = QT_TRANSLATE_NOOP("CCommandLine", "missing value after");
constexpr const char* kTryHelp =
    QT_TRANSLATE_NOOP("CCommandLine", "Try 'marbix --help' for more information.");

// Not yet in the catalogues: shown as it is in every language.
constexpr const char* kZoomKeys = "Ctrl+plus and Ctrl+minus, or Ctrl and the mouse wheel over\n"
                                  "the board, zoom the board; Ctrl+0 shows it at its own size.\n";

std::string Usage(const CTranslate& tr) {
    return tr(kContext, kSynopsis) + " [FILE]\n" + tr(kContext, kPurpose) + "\n\n  --help     " +
           tr(kContext, kHelpOption) + "\n  --version  " + tr(kContext, kVersionOption) +
           "\n  FILE       " + tr(kContext, kFileOption) + "\n\n" + tr(kContext, kKeys) + "\n" +
           kZoomKeys;
}

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

// A word that is no option is a recorded game when it names a file or ends
// like one.
bool IsGameFile(std::string_view arg) {
    constexpr std::string_view kSuffix = ".marbix-game";
    if (arg.empty() || arg.starts_with('-')) return false;
    return arg.ends_with(kSuffix) || ::access(std::string(arg).c_str(), F_OK) == 0;
}

CCommandLineResult Refuse(std::ostream& err, const CTranslate& tr, const char* what,
                          std::string_view arg) {
    err << "marbix: " << tr(kContext, what) << " '" << arg << "'\n"
        << tr(kContext, kTryHelp) << "\n";
    return {true, 2, {}};
}

} // namespace

CCommandLineResult ReadCommandLine(int argc, const char* const* argv, std::ostream& out,
                                   std::ostream& err, const CTranslate& translate) {
    const CTranslate tr =
        translate ? translate : [](const char*, const char* text) { return std::string(text); };
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            out << Usage(tr);
            return {true, 0, {}};
        }
        if (arg == "--version") {
            out << "marbix " << MARBIX_VERSION << '\n';
            return {true, 0, {}};
        }
    }
    CCommandLineResult result;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const CToolkitOption* option = ToolkitOption(arg);
        if (!option && result.file.empty() && IsGameFile(arg)) {
            result.file = arg;
            continue;
        }
        if (!option) {
            const bool isOption = arg.starts_with('-') && arg.size() > 1;
            return Refuse(err, tr, isOption ? kUnknownOption : kUnexpectedArgument, arg);
        }
        if (option->takesValue && arg.find('=') == std::string_view::npos && ++i == argc)
            return Refuse(err, tr, kMissingValue, arg);
    }
    return result;
}
