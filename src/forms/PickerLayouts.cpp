#include "forms/PickerLayouts.h"

#include "forms/Artwork.h"
#include "forms/Twips.h"

#include <QDateEdit>
#include <QDialog>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {
Backdrop* toolWindow(QDialog* w, int width, int height) {
    w->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowCloseButtonHint);
    w->setWindowTitle(QString());
    auto* client = new Backdrop("stone", w);
    client->setFixedSize(Px(width), Px(height));
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    return client;
}
} // namespace

void CalLayout::setupUi(QDialog* w) {
    window = w;
    client = toolWindow(w, 2436, 804);
    DTPicker2 = new QDateEdit(QDate(2007, 1, 1), client);
    place(DTPicker2, 120, 225, 1470, 360);
    DTPicker2->setCalendarPopup(true);
    DTPicker2->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    Command1 = new QPushButton(tr("&OK"), client);
    place(Command1, 1680, 225, 636, 360);
    Command1->setDefault(true);
    w->adjustSize();
    nameControls();
}

void TimeLayout::setupUi(QDialog* w) {
    window = w;
    client = toolWindow(w, 2508, 1200);
    w->setWindowIcon(Artwork::appIcon());
    DTPicker1 = new QTimeEdit(QTime(0, 0), client);
    place(DTPicker1, 120, 120, 1395, 360);
    DTPicker1->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    cmdNow = new QPushButton(tr("&NOW"), client);
    place(cmdNow, 1620, 120, 768, 360);
    cmdOK = new QPushButton(tr("&Accept"), client);
    place(cmdOK, 120, 690, 1000, 390);
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("&Cancel"), client);
    place(cmdCancel, 1388, 690, 1000, 390);
    cmdCancel->setAutoDefault(false);
    cmdNow->setAutoDefault(false);
    QWidget::setTabOrder(cmdOK, cmdNow);
    QWidget::setTabOrder(cmdNow, DTPicker1);
    QWidget::setTabOrder(DTPicker1, cmdCancel);
    w->adjustSize();
    nameControls();
}

// The pickers have no caption, and their fields no label: screen readers need both named.
void CalLayout::nameControls() {
    window->setAccessibleName(tr("Date picker"));
    DTPicker2->setAccessibleName(tr("Date"));
}

void TimeLayout::nameControls() {
    window->setAccessibleName(tr("Time picker"));
    DTPicker1->setAccessibleName(tr("Time of day"));
}
