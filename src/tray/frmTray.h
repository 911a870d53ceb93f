#pragma once

#include "forms/TrayLayouts.h"

#include <QWidget>

// Owner of the notification-area icon; never shown.
class frmTray : public QWidget, public TrayLayout {
  public:
    frmTray();
    Q_DISABLE_COPY_MOVE(frmTray)

    void Form_Load();
    void Form_Unload() {}
    void CreateIcon();
    void DeleteIcon();
    void Timer1_Timer();
    // Presses on the icon arrive as a mouse move whose X, in pixels, is the mouse-message code.
    void Picture1_MouseMove(int Button, int Shift, float X, float Y);
};

// Owner of the tray menu; never shown.
class frmPopTray : public QWidget, public PopTrayLayout {
    // One context for the window and its layout.
    Q_DECLARE_TR_FUNCTIONS(frmPopTray)

  public:
    frmPopTray();
    Q_DISABLE_COPY_MOVE(frmPopTray)

    void Form_Load() {}
    void Form_Unload() {}
    void mnuKelvon_Click();
    void mnuSet_Click();
    void mnuHelp_Click();
    void mnuAbout_Click();
    void mnuClose_Click();
    // Exit; where its save fails, asks whether to end without saving, unless nobody can be
    // asked (a signal, the session's end), which leaves a line on standard error.
    void EndProgram(bool mayAsk);
};

// The choice offered when Exit cannot save, the default first.
QStringList EndWithoutSavingChoices();

// What Exit reports to the event loop; tests swap it to keep their application running.
void SetProgramEnd(std::function<void(int exitCode)> end);
