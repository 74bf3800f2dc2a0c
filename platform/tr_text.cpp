#include "platform/tr_text.h"

#include "platform/string_table.h"

#include <QCoreApplication>

QString TrCore(const char* context, const std::string& text) {
    if (text.empty()) return {};
    return QCoreApplication::translate(context, text.c_str());
}

QString TrString(unsigned id) {
    return TrCore("strings", LoadString(id));
}

QString TrPrompt(unsigned id) {
    const QString text = TrString(id);
    return text.left(text.indexOf(QLatin1Char('\n')));
}
