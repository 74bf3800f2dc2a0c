#include "app/language.h"
#include "platform/dialog_units.h"
#include "platform/profile.h"
#include "platform/resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>
#include <memory>

namespace {

QStringList CatalogueFolders() {
    // The program's folder, known before the application object exists.
    const QString here = QFileInfo(QString::fromStdString(CurrentExecutablePath())).absolutePath();
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
    if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) return false;
    ChooseSansDialogFace(locale);
    // The catalogue's name is that of the language's pictures: marbix_<name>.qm.
    SetPictureLanguage(QFileInfo(path).completeBaseName().section(QLatin1Char('_'), 1));
    return true;
}

CTranslate CommandLineLanguage() {
    // Loaded at the first text asked for: a plain start asks none.
    return [](const char* context, const char* text) {
        static const std::unique_ptr<QTranslator> translator = [] {
            auto loaded = std::make_unique<QTranslator>();
            const QString path = FindCatalogue(QLocale::system().name());
            return !path.isEmpty() && loaded->load(path) ? std::move(loaded) : nullptr;
        }();
        const QString translated = translator ? translator->translate(context, text) : QString();
        return translated.isEmpty() ? std::string(text) : translated.toStdString();
    };
}
