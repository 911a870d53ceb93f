#pragma once

#include "forms/PassLayout.h"

#include <QDialog>

class frmPass : public QDialog, public PassLayout {
  public:
    frmPass();
    ~frmPass() override;
    Q_DISABLE_COPY_MOVE(frmPass)

    void Form_Load() override;
    void Form_Unload();
    void cmdOK_Click();
    void Timer1_Timer();
    void mnuNotify_Click();
    void mnuAbout_Click();
    void mnuHelpItem_Click();
    // Shown, a clock ticks every second; the main window hidden sleeps until a reminder can
    // come due, the data file or the time zone changes, the clock is stepped or the machine
    // resumes.
    void scheduleNextTick() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void reject() override {} // no cancel button: Esc does nothing

  private:
    void sleep();
    void stopWaking();
    bool waking = false; // the wall-clock alarm and the file watch are this window's
    int ticking = 0;
};

// The help file: the working directory, the platform's separator, "KELVON.HLP".
QString HelpFilePath();

// Makes the app's windows reachable from the folders below.
void RegisterAppWindows();
