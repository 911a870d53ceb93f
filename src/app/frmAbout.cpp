#include "app/frmAbout.h"

#include "forms/Default.h"

#include <QLabel>
#include <QPushButton>

frmAbout::frmAbout() {
    setupUi(this);
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
}

void frmAbout::Form_Load() {
    setWindowTitle(tr("About %1").arg(AppTitle));
    lblVersion->setText(tr("Version %1.%2.%3")
                            .arg(AppVersion::Major)
                            .arg(AppVersion::Minor)
                            .arg(AppVersion::Revision));
    lblTitle->setText(AppTitle);
}

void frmAbout::cmdOK_Click() {
    Unload<frmAbout>();
}
