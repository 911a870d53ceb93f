#pragma once

class Backdrop;
class QDialog;
class QLabel;
class QPushButton;

struct AboutLayout {
    QDialog* window = nullptr;
    Backdrop* client = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QPushButton* cmdOK = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    void setupUi(QDialog* w);
};
