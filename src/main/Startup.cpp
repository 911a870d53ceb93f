#include "main/Startup.h"

#include "app/frmPass.h"
#include "forms/Default.h"
#include "store/Module1.h"
#include "store/NoteTable.h"
#include "tray/frmTray.h"

void Main() {
    RegisterAppWindows();
    Default<frmTray>().CreateIcon();
    NoteTable.FileHeader1 =
        QStringLiteral("THIS IS A SELF UPDATING FILE AND WILL CRASH IF TAMPERED WITH.");
    NoteTable.FileHeader2 = QStringLiteral("DELETE FILE COMPLETELY IF PROBLEM ARISES.");
    // The fixed texts are for a new file: an existing one keeps the two lines it has. The clock's
    // first tick used to read them back; a sleeping clock has no such tick before the first save.
    LoadNotes(DamageReport::Quiet);
}
