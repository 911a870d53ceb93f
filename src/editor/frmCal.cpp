#include "editor/frmCal.h"

#include "editor/frmNotify.h"
#include "forms/Default.h"
#include "forms/Twips.h"
#include "platform/Platform.h"
#include "store/DateText.h"
#include "store/NoteTable.h"

#include <QCalendarWidget>
#include <QCloseEvent>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

frmCal::frmCal() : QDialog(&Default<frmNotify>()) {
    setupUi(this);
    DTPicker2->setDateRange(PickerMinDate, PickerMaxDate);
    connect(DTPicker2, &QDateEdit::dateChanged, this, [this] {
        if (!m_loading) DTPicker2_Change();
    });
    // The calendar is made only when it first opens (see eventFilter).
    DTPicker2->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void frmCal::Form_Load() {
    TodayText = DateText(Now().date());
    const frmNotify& editor = Default<frmNotify>();
    MoveTwips(*this, LeftTwips(editor) - float(WidthTwips(*this)) / 3.0f, TopTwips(editor));

    const QString rowText = Default<frmNotify>().txtDateNotify[CurrentRow]->text();
    const auto start = ConvertDate(rowText.isEmpty() ? TodayText : rowText);
    // The picker holds no date outside its range: a text that is no date starts at today,
    // one outside the range at its nearest end.
    QDate date = start ? *start : Now().date();
    date = qBound(PickerMinDate, date, PickerMaxDate);
    m_loading = true;
    DTPicker2->setDate(date);
    m_loading = false;
}

void frmCal::DTPicker2_Change() {
    Default<frmNotify>().txtDateNotify[CurrentRow]->setText(DateText(DTPicker2->date()));
}

void frmCal::DTPicker2_Click() {
    DTPicker2_Change();
}

void frmCal::Command1_Click() {
    frmNotify& editor = Default<frmNotify>();
    editor.txtDateNotify[CurrentRow]->setText(DateText(DTPicker2->date()));
    Rearm(CurrentRow);
    editor.settleRow(CurrentRow);
    editor.SaveMsg(frmNotify::SaveBy::User);
    Unload<frmCal>();
}

bool frmCal::eventFilter(QObject* watched, QEvent* event) {
    // Once made, the hidden calendar follows every change of the date and tells screen readers
    // that the focus went to its day (QTableView::currentChanged sends a focus event without
    // asking for the focus), so they read a day number instead of the date field. Asking for
    // calendarWidget() would make it: its clicks are connected when it is first shown instead.
    if (watched == DTPicker2 && event->type() == QEvent::ChildPolished && !m_calendarWatched) {
        const auto* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType() && static_cast<const QWidget*>(child)->isWindow()) {
            m_calendarWatched = true;
            connect(DTPicker2->calendarWidget(), &QCalendarWidget::clicked, this,
                    [this] { DTPicker2_Click(); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmCal::closeEvent(QCloseEvent* event) {
    event->accept();
    if (IsDefault(this)) Unload<frmCal>();
}
