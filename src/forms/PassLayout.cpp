#include "forms/PassLayout.h"

#include "forms/Artwork.h"
#include "forms/Twips.h"
#include "platform/Platform.h"

#include <QAction>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int TickPhaseMs = 3;
} // namespace

int MsToNextTick(int msecOfSecond) {
    int wait = TickPhaseMs - msecOfSecond % 1000;
    // A tick that ran a moment before its phase point has had that point: wait for the next.
    if (wait < 2) wait += 1000;
    return wait;
}

void PassLayout::setupUi(QDialog* w) {
    window = w;
    w->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                      Qt::WindowCloseButtonHint);
    w->setWindowTitle(QString());
    w->setWindowIcon(Artwork::appIcon());

    menuBar = new QMenuBar(w);
    mnuNotify = menuBar->addAction(tr("&Set"));
    mnuHelp = menuBar->addMenu(tr("&Help"));
    mnuHelpItem = mnuHelp->addAction(tr("&Help"));
    mnuHelpItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuAbout = mnuHelp->addAction(tr("&About"));
    mnuAbout->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

    client = new Backdrop("clock-back", w);
    client->setFixedSize(Px(3492), Px(1752));
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Label2 = new DisplayLabel(QStringLiteral("01/01/2007"), client);
    place(Label2, 105, 105, 1215, 330);
    Label3 = new DisplayLabel(QStringLiteral("12:33:55"), client);
    place(Label3, 2172, 105, 1215, 330);
    cmdOK = new QPushButton(tr("OK"), client);
    place(cmdOK, 1440, 105, 615, 330);
    cmdOK->setDefault(true);
    SetFont(cmdOK, 6);
    LbMessage = new QLabel(client);
    place(LbMessage, 0, 600, 3492, 1050);
    LbMessage->setAlignment(Qt::AlignCenter);
    LbMessage->setWordWrap(true);
    LbMessage->setTextFormat(Qt::PlainText);
    QPalette red = LbMessage->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    LbMessage->setPalette(red);
    SetFont(LbMessage, 10, true, false, Face::Inherited);

    Timer1 = new QTimer(w);
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);

    w->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
    }
    nameControls();
}

void PassLayout::nameControls() {
    window->setAccessibleName(tr("Kelvon clock"));
}

void PassLayout::scheduleNextTick() {
    if (clockRuns)
        Timer1->start(MsToNextTick(NowMsecOfSecond()));
    else
        Timer1->stop();
}

void PassLayout::setTimerEnabled(bool on) {
    clockRuns = on;
    scheduleNextTick();
}
