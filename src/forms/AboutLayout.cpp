#include "forms/AboutLayout.h"

#include "forms/Artwork.h"
#include "forms/Twips.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

void AboutLayout::setupUi(QDialog* w) {
    window = w;
    w->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    w->setWindowIcon(Artwork::appIcon());
    client = new Backdrop("about-back", w);
    client->setFixedSize(Px(4260), Px(2844));
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto label = [&](const QString& text, int top, int height, int points, bool bold = false,
                     bool italic = false, Face face = Face::Inherited) {
        auto* l = new QLabel(text, client);
        place(l, 120, top, 4020, height);
        l->setAlignment(Qt::AlignCenter);
        l->setTextFormat(Qt::PlainText);
        l->setWordWrap(true);
        SetFont(l, points, bold, italic, face);
        return l;
    };
    lblTitle = label(QStringLiteral("Application Title"), 240, 480, 9, true, true, Face::Arial);
    lblVersion = label(QStringLiteral("Version"), 780, 330, 8, true);
    cmdOK = new QPushButton(tr("OK"), client);
    place(cmdOK, 1590, 1260, 1080, 405);
    cmdOK->setDefault(true);
    Label1 = label(tr("A reminder and alarm clock in your notification area."), 1860, 420, 7);
    Label2 = label(tr("32 reminders, kept in Kelvo.dat in the working folder."), 2310, 420, 7);
    w->adjustSize();
}
