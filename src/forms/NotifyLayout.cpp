#include "forms/NotifyLayout.h"

#include "forms/Artwork.h"
#include "forms/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <limits>
#include <utility>

namespace {
QLabel* heading(const QString& text, QWidget* parent, int left, int width) {
    auto* label = new QLabel(text, parent);
    place(label, left, 0, width, RowTop0);
    SetFont(label, 7, true);
    return label;
}

QGroupBox* repeatColumn(const QString& title, QWidget* parent, int left) {
    auto* frame = new QGroupBox(title, parent);
    place(frame, left, 0, 540, 9825);
    SetFont(frame, 7);
    return frame;
}

QPushButton* pictureButton(const QIcon& icon, QWidget* parent) {
    auto* b = new QPushButton(parent);
    b->setIcon(icon);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}
} // namespace

void SetOption(QButtonGroup* group, QRadioButton* option, bool selected) {
    if (selected || !option->isChecked()) {
        option->setChecked(selected);
        return;
    }
    group->setExclusive(false);
    option->setChecked(false);
    group->setExclusive(true);
}

void NotifyLayout::setupUi(QDialog* w) {
    window = w;
    // No close box: OK is the only way out.
    w->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    w->setWindowTitle(tr("Kelvon Reminders"));
    w->setFixedSize(Px(9672), Px(EditorClientHeight));
    w->setAutoFillBackground(true);
    w->setBackgroundRole(QPalette::Base);

    Frame1 = new QWidget(w);
    place(Frame1, 30, Frame1Top, 7656, 9825);
    lbClear = heading(tr("Clear"), Frame1, 0, 375);
    lbDate = heading(tr("Date"), Frame1, 390, 765);
    lbMessages = heading(tr("Reminder Messages"), Frame1, 1170, 3945);
    lbTime = heading(tr("Time"), Frame1, 5130, 885);
    Frame3 = repeatColumn(tr("Daily"), Frame1, 6030);
    Frame4 = repeatColumn(tr("Wkly"), Frame1, 6570);
    Frame5 = repeatColumn(tr("Mnly"), Frame1, 7110);

    for (int i = 0; i < RowCount; ++i) {
        const int top = RowTop0 + RowPitch * i;
        cmdClear[i] = pictureButton(Artwork::trefoilIcon(), Frame1);
        cmdClear[i]->setToolTip(tr("CLEAR THIS ROW"));
        place(cmdClear[i], 0, top, 375, 285);
        auto text = [&](int left, int width) {
            auto* box = new QLineEdit(Frame1);
            box->setMaxLength(std::numeric_limits<int>::max()); // whatever length the file holds
            place(box, left, top, width, 285);
            SetFont(box, 7);
            return box;
        };
        txtDateNotify[i] = text(390, 765);
        txtMessage[i] = text(1170, 3945);
        txtTimeNote[i] = text(5130, 885);
        auto check = [&](QGroupBox* frame) {
            auto* box = new QCheckBox(frame);
            place(box, 180, top, 285, 285);
            return box;
        };
        ckDaily[i] = check(Frame3);
        ckWeekly[i] = check(Frame4);
        ckMonthly[i] = check(Frame5);
    }

    VScroll1 = new QScrollBar(Qt::Vertical, w);
    place(VScroll1, 7836, 132, 255, 3645);
    VScroll1->setRange(0, 6000);
    VScroll1->setSingleStep(RowPitch);
    VScroll1->setPageStep(1000);
    VScroll1->setValue(0);

    Frame2 = new QGroupBox(tr("Sounds"), w);
    place(Frame2, 8175, 90, 1410, 1560);
    soundGroup = new QButtonGroup(w);
    auto option = [&](const QString& caption, int top) {
        auto* o = new QRadioButton(caption, w);
        place(o, 8235, top, 975, 285);
        SetFont(o, 7);
        // Left auto-exclusive, which is what tells screen readers these are radio buttons;
        // the group decides, and SetOption lifts it to clear the last one.
        soundGroup->addButton(o);
        return o;
    };
    optMessage = option(tr("Message"), 345);
    optAlert = option(tr("Alert1"), 675);
    optDive = option(tr("Alert2"), 1005);
    OptAlarm = option(tr("Alert3"), 1335);
    optMessage->setChecked(true);
    std::array<QPushButton**, 4> tests{&cmdTest1, &cmdTest2, &cmdTest3, &cmdTest4};
    for (int k = 0; k < 4; ++k) {
        *tests[k] = pictureButton(Artwork::playIcon(), w);
        place(*tests[k], 9225, 345 + 330 * k, 330, 285);
    }

    Image1 = new QLabel(w);
    place(Image1, 8430, 1800, 900, 900);
    Image1->setPixmap(Artwork::editorImage().pixmap(Px(900), Px(900)));
    Image1->setAlignment(Qt::AlignCenter);

    cmdOKnotify = new QPushButton(tr("OK"), w);
    place(cmdOKnotify, 8430, 3240, 1080, 435);
    cmdOKnotify->setDefault(true);

    Label1 = new QLabel(w);
    place(Label1, 0, 0, 30, 30);

    nameControls();
}

void NotifyLayout::nameControls() {
    // Without names the rows cannot be told apart: the boxes have no text, and the repeat
    // boxes would all take their column's title.
    for (int i = 0; i < RowCount; ++i) {
        const QString row = QString::number(i + 1);
        txtDateNotify[i]->setAccessibleName(tr("Row %1 date").arg(row));
        txtMessage[i]->setAccessibleName(tr("Row %1 message").arg(row));
        txtTimeNote[i]->setAccessibleName(tr("Row %1 time").arg(row));
        ckDaily[i]->setAccessibleName(tr("Row %1 daily").arg(row));
        ckWeekly[i]->setAccessibleName(tr("Row %1 weekly").arg(row));
        ckMonthly[i]->setAccessibleName(tr("Row %1 monthly").arg(row));
        cmdClear[i]->setAccessibleName(tr("Clear row %1").arg(row));
    }
    const std::pair<QPushButton*, QRadioButton*> tests[] = {
        {cmdTest1, optMessage}, {cmdTest2, optAlert}, {cmdTest3, optDive}, {cmdTest4, OptAlarm}};
    for (const auto& [test, option] : tests)
        test->setAccessibleName(
            //: %1 is the sound's name as its option shows it: Message, Alert1, ...
            tr("Play the %1 sound").arg(option->text()));
    VScroll1->setAccessibleName(tr("Reminder rows"));
    Image1->setAccessibleName(QStringLiteral("Kelvon"));
}
