#include "main/Startup.h"

#include "app/frmPass.h"
#include "forms/Default.h"
#include "store/NoteTable.h"
#include "tray/frmTray.h"

void Main() {
    RegisterAppWindows();
    Default<frmTray>().CreateIcon();
    NoteTable.FileHeader1 =
        QStringLiteral("THIS IS A SELF UPDATING FILE AND WILL CRASH IF TAMPERED WITH.");
    NoteTable.FileHeader2 = QStringLiteral("DELETE FILE COMPLETELY IF PROBLEM ARISES.");
}
