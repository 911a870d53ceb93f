#pragma once

#include "forms/PassLayout.h"

#include <QDialog>

class frmPass : public QDialog, public PassLayout {
  public:
    frmPass();
    Q_DISABLE_COPY_MOVE(frmPass)

    void Form_Load() override;
    void Form_Unload();
    void cmdOK_Click();
    void Timer1_Timer();
    void mnuNotify_Click();
    void mnuAbout_Click();
    void mnuHelpItem_Click();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override {} // no cancel button: Esc does nothing
};

// The help file: the working directory, the platform's separator, "KELVON.HLP".
QString HelpFilePath();

// Makes the app's windows reachable from the folders below.
void RegisterAppWindows();
