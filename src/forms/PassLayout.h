#pragma once
// The clock window: the main window and every alert window.

#include "forms/CommonDialog.h"

#include <QCoreApplication>

class Backdrop;
class QAction;
class QDialog;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTimer;

struct PassLayout {
    Q_DECLARE_TR_FUNCTIONS(frmPass)

  public:
    virtual ~PassLayout() = default;
    // Topmost, labels, caption and the first load of the file; starts the clock.
    virtual void Form_Load() = 0;

    QDialog* window = nullptr;
    QMenuBar* menuBar = nullptr;
    QAction* mnuNotify = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpItem = nullptr;
    QAction* mnuAbout = nullptr;
    Backdrop* client = nullptr;
    QLabel* Label2 = nullptr; // date display
    QLabel* Label3 = nullptr; // time display
    QLabel* LbMessage = nullptr;
    QPushButton* cmdOK = nullptr;
    QTimer* Timer1 = nullptr;
    CommonDialog CommonDialog1;

    void setupUi(QDialog* w);
    // Screen readers need a name where the caption is empty, as it is for most of its life.
    void nameControls();
    // The clock: while it runs, the window ticks; how often is the window's own choice.
    void setTimerEnabled(bool on);
    bool timerEnabled() const { return clockRuns; }
    // A tick a few milliseconds after the next whole second of the wall clock: a clock that
    // shows seconds needs no more.
    virtual void scheduleNextTick();

  private:
    bool clockRuns = false;
};

// Milliseconds from `msecOfSecond` to the next tick phase.
int MsToNextTick(int msecOfSecond);
