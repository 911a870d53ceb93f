#include "forms/TrayLayouts.h"

#include "forms/Artwork.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QWidget>

void TrayLayout::setupUi(QWidget* w) {
    Picture1 = new QLabel(w);
    Picture1->setPixmap(Artwork::appIcon().pixmap(32, 32));
    Timer1 = new QTimer(w);
    Timer1->setInterval(850);
    mnuFile = new QMenu(QStringLiteral("File"), w);
    mnuSet = mnuFile->addAction(QStringLiteral("Set"));
}

void PopTrayLayout::setupUi(QWidget* w) {
    mnuFile = new QMenu(QStringLiteral("&File"), w);
    mnuKelvon = mnuFile->addAction(QStringLiteral("&Kelvon"));
    mnuSet = mnuFile->addAction(QStringLiteral("&Set Alarm"));
    mnuHelp = mnuFile->addAction(QStringLiteral("&Help"));
    mnuAbout = mnuFile->addAction(QStringLiteral("&About"));
    mnuClose = mnuFile->addAction(QStringLiteral("&Exit"));
}
