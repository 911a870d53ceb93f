#pragma once
// The two pickers opened from an editor row.

#include <QCoreApplication>

class Backdrop;
class QDateEdit;
class QDialog;
class QPushButton;
class QTimeEdit;

struct CalLayout {
    Q_DECLARE_TR_FUNCTIONS(frmCal)

  public:
    QDialog* window = nullptr;
    Backdrop* client = nullptr;
    QDateEdit* DTPicker2 = nullptr;
    QPushButton* Command1 = nullptr;
    void setupUi(QDialog* w);
    void nameControls();
};

struct TimeLayout {
    Q_DECLARE_TR_FUNCTIONS(frmTime)

  public:
    QDialog* window = nullptr;
    Backdrop* client = nullptr;
    QTimeEdit* DTPicker1 = nullptr;
    QPushButton* cmdNow = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdCancel = nullptr;
    void setupUi(QDialog* w);
    void nameControls();
};
