#pragma once
// The two windows that are never shown: the icon's owner and the tray menu's owner.

#include <QCoreApplication>

class QAction;
class QLabel;
class QMenu;
class QTimer;
class QWidget;

struct TrayLayout {
    Q_DECLARE_TR_FUNCTIONS(frmTray)

  public:
    QLabel* Picture1 = nullptr; // its picture is the notification-area icon
    QTimer* Timer1 = nullptr;   // the one-shot completion of start-up
    QMenu* mnuFile = nullptr;   // never displayed
    QAction* mnuSet = nullptr;
    void setupUi(QWidget* w);
};

struct PopTrayLayout {
    Q_DECLARE_TR_FUNCTIONS(frmPopTray)

  public:
    QMenu* mnuFile = nullptr;
    QAction* mnuKelvon = nullptr;
    QAction* mnuSet = nullptr;
    QAction* mnuHelp = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuClose = nullptr;
    void setupUi(QWidget* w);
};
