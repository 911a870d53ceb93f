#include "app/frmAbout.h"

#include "forms/Default.h"

#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout() {
    setupUi(this);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("About ") + AppTitle);
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(AppVersion::Major)
                            .arg(AppVersion::Minor)
                            .arg(AppVersion::Revision));
    lblTitle->setText(AppTitle);
}

void frmAbout::cmdOK_Click() {
    Unload<frmAbout>();
}
