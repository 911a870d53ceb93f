#pragma once

#include <QString>

// The help half of the classic common dialog: a help file, a help command, ShowHelp.
struct CommonDialog {
    QString HelpFile;
    int HelpCommand = 0;
    void ShowHelp() const;
};

constexpr int cdlHelpContents = 3;
