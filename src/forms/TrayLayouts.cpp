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
    mnuFile = new QMenu(tr("File"), w);
    mnuSet = mnuFile->addAction(tr("Set"));
}

void PopTrayLayout::setupUi(QWidget* w) {
    mnuFile = new QMenu(tr("&File"), w);
    mnuKelvon = mnuFile->addAction(tr("&Kelvon"));
    mnuSet = mnuFile->addAction(tr("&Set Alarm"));
    mnuHelp = mnuFile->addAction(tr("&Help"));
    mnuAbout = mnuFile->addAction(tr("&About"));
    mnuClose = mnuFile->addAction(tr("&Exit"));
}
