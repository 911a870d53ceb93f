#pragma once

#include "Version.h"
#include "forms/AboutLayout.h"

#include <QDialog>

struct AppVersion {
    static constexpr int Major = KELVON_VERSION_MAJOR;
    static constexpr int Minor = KELVON_VERSION_MINOR;
    static constexpr int Revision = KELVON_VERSION_PATCH;
};
inline const QString AppTitle = QStringLiteral("Kelvon");

class frmAbout : public QDialog, public AboutLayout {
    // One context for the window and its layout.
    Q_DECLARE_TR_FUNCTIONS(frmAbout)

  public:
    frmAbout();
    Q_DISABLE_COPY_MOVE(frmAbout)

    void Form_Load();
    void Form_Unload() {}
    void cmdOK_Click();

  protected:
    void reject() override { cmdOK_Click(); } // Esc, as the cancel button
};
