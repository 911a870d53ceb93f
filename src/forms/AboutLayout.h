#pragma once

#include <QCoreApplication>

class Backdrop;
class QDialog;
class QLabel;
class QPushButton;

struct AboutLayout {
    Q_DECLARE_TR_FUNCTIONS(frmAbout)

  public:
    QDialog* window = nullptr;
    Backdrop* client = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* cmdOK = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    void setupUi(QDialog* w);
};
