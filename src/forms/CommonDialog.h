#pragma once

#include <QString>
#include <QStringList>

// The help half of the classic common dialog: a help file, a help command, ShowHelp.
struct CommonDialog {
    QString HelpFile;
    int HelpCommand = 0;
    // Shows the help file in the user's language where one is installed beside the program.
    void ShowHelp() const;
};

constexpr int cdlHelpContents = 3;

// A translation of `helpFile`, a regular file of the same name in `folder`/LANG/, for the first
// of `languages` ("de-DE", "pt-BR", ...) that has one; `helpFile` itself where none has, or
// where English comes first.
QString TranslatedHelpFile(const QString& helpFile, const QStringList& languages,
                           const QString& folder);
