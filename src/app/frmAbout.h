#pragma once

#include "forms/AboutLayout.h"

#include <QDialog>

struct AppVersion {
    static constexpr int Major = 7;
    static constexpr int Minor = 8;
    static constexpr int Revision = 0;
};
inline const QString AppTitle = QStringLiteral("Kelvon");

class frmAbout : public QDialog, public AboutLayout {
  public:
    frmAbout();
    Q_DISABLE_COPY_MOVE(frmAbout)

    void Form_Load();
    void Form_Unload() {}
    void cmdOK_Click();

  protected:
    void reject() override { cmdOK_Click(); } // Esc, as the cancel button
};
