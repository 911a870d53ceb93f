#include "forms/CommonDialog.h"

#include "platform/Platform.h"

void CommonDialog::ShowHelp() const {
    ShowHelpFile(HelpFile, HelpCommand);
}
