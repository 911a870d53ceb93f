#include "forms/CommonDialog.h"

#include "platform/Platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

void CommonDialog::ShowHelp() const {
    const QString translations = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                 QStringLiteral("/../share/kelvon/help"));
    ShowHelpFile(TranslatedHelpFile(HelpFile, QLocale::system().uiLanguages(), translations),
                 HelpCommand);
}

QString TranslatedHelpFile(const QString& helpFile, const QStringList& languages,
                           const QString& folder) {
    const QString name = QFileInfo(helpFile).fileName();
    for (const QString& language : languages) {
        const QLocale locale(language);
        if (locale.language() == QLocale::English || locale.language() == QLocale::C) break;
        // "pt-BR" is kept as pt_BR, and a German one for every "de-..." as de.
        QString folderName = language;
        folderName.replace(QLatin1Char('-'), QLatin1Char('_'));
        for (const QString& tried : {folderName, folderName.section(QLatin1Char('_'), 0, 0)}) {
            const QFileInfo translated(QDir(folder).filePath(tried + QLatin1Char('/') + name));
            if (translated.isFile()) return QDir::toNativeSeparators(translated.absoluteFilePath());
        }
    }
    return helpFile;
}
