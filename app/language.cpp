#include "app/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

namespace {

QStringList CatalogueFolders() {
    const QString here = QCoreApplication::applicationDirPath();
    QStringList folders{here + QStringLiteral("/translations"),
                        here + QStringLiteral("/" MARBIX_CATALOGUE_PLACE)};
    folders += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation,
                                         QStringLiteral("marbix/translations"),
                                         QStandardPaths::LocateDirectory);
    return folders;
}

} // namespace

QString FindCatalogue(const QString& locale) {
    QTranslator probe;
    for (const QString& folder : CatalogueFolders()) {
        if (probe.load(QLocale(locale), QStringLiteral("marbix"), QStringLiteral("_"), folder))
            return probe.filePath();
    }
    return {};
}

bool InstallLanguage() {
    const QLocale locale = QLocale::system();
    // Right-to-left locales mirror the window; the board keeps its own order.
    QGuiApplication::setLayoutDirection(locale.textDirection());
    const QString path = FindCatalogue(locale.name());
    if (path.isEmpty()) return false;
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(path)) return false;
    return QCoreApplication::installTranslator(translator);
}
