#include "editor/frmTime.h"

#include "editor/frmNotify.h"
#include "forms/Default.h"
#include "platform/Platform.h"
#include "store/DateText.h"
#include "store/NoteTable.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>

frmTime::frmTime() : QDialog(&Default<frmNotify>()) {
    setupUi(this);
    connect(cmdNow, &QPushButton::clicked, this, [this] { cmdNow_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmTime::Form_Load() {
    QLineEdit* row = Default<frmNotify>().txtTimeNote[CurrentRow];
    if (!IsDateTime(row->text())) row->clear();
    if (const auto value = ConvertTime(row->text()))
        DTPicker1->setTime(*value);
    else
        cmdNow_Click();
}

void frmTime::cmdNow_Click() {
    DTPicker1->setTime(QTime::fromString(TimeText(Now().time()), QStringLiteral("HH:mm:ss")));
}

void frmTime::UpdateTime() {
    Default<frmNotify>().txtTimeNote[CurrentRow]->setText(TimeText(DTPicker1->time()));
}

void frmTime::cmdOK_Click() {
    UpdateTime();
    Rearm(CurrentRow);
    Default<frmNotify>().settleRow(CurrentRow);
    Default<frmNotify>().SaveMsg(frmNotify::SaveBy::User);
    Unload<frmTime>();
}

void frmTime::cmdCancel_Click() {
    Unload<frmTime>();
}

void frmTime::closeEvent(QCloseEvent* event) {
    event->accept();
    if (IsDefault(this)) Unload<frmTime>();
}
