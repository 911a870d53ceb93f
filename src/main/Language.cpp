#include "main/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace {

// Qt lays its windows out right to left where a translation of this reads "RTL".
[[maybe_unused]] const char* const LayoutDirection =
    //: "RTL" for a language written right to left, "LTR" otherwise.
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

struct Installed {
    QTranslator kelvon;
    QTranslator qt;
};

std::unique_ptr<Installed>& installed() {
    static std::unique_ptr<Installed> translators;
    return translators;
}

} // namespace

QString TranslationsFolder() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/kelvon/translations"));
}

bool LoadTranslations(const QLocale& locale) {
    UnloadTranslations();
    auto translators = std::make_unique<Installed>();
    const QString folder = TranslationsFolder();
    // One language at a time, in the user's order: English before German means English,
    // although no file is kept for it.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English || language.language() == QLocale::C)
            return false;
        if (!translators->kelvon.load(language, QStringLiteral("kelvon"), QStringLiteral("_"),
                                      folder))
            continue;
        QCoreApplication::installTranslator(&translators->kelvon);
        if (translators->qt.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&translators->qt);
        installed() = std::move(translators);
        return true;
    }
    return false;
}

void UnloadTranslations() {
    if (!installed()) return;
    QCoreApplication::removeTranslator(&installed()->qt);
    QCoreApplication::removeTranslator(&installed()->kelvon);
    installed().reset();
}
