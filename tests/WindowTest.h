#pragma once
// What every window test starts from: its own working directory, the fakes, a fresh table,
// and a fixed now. Afterwards every window is gone.

#include "app/frmAbout.h"
#include "app/frmPass.h"
#include "editor/frmCal.h"
#include "editor/frmNotify.h"
#include "editor/frmTime.h"
#include "forms/Default.h"
#include "platform/Fakes.h"
#include "store/DataFile.h"
#include "store/DateText.h"
#include "store/Module1.h"
#include "tray/frmTray.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <memory>

struct WindowTest {
    std::unique_ptr<QTemporaryDir> dir;
    QString previous;
    platform::Fakes fakes{};

    void init() {
        dir = std::make_unique<QTemporaryDir>();
        previous = QDir::currentPath();
        QDir::setCurrent(dir->path());
        fakes = platform::installFakes();
        ResetNoteTable();
        RegisterAppWindows();
        SetProgramEnd([this](int code) { exitCode = code; });
        fakes.clock->set(QDateTime(QDate(2007, 3, 24), QTime(14, 29, 59)));
        exitCode = -1;
    }

    void cleanup() {
        // Leaving with nothing open: no Form_Unload runs, so the file is not touched.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!w->parentWidget()) w->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(previous);
        dir.reset();
    }

    static QByteArray fileBytes() {
        QFile f(DataFileName);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static Notes fileNotes() {
        Notes n;
        parseDataFile(fileBytes(), n);
        return n;
    }
    static void writeFile(const Notes& n) { saveDataFile(DataFileName, n); }

    // Clock windows other than the main one: the alert windows, oldest first.
    static QList<frmPass*> alertWindows() {
        QList<frmPass*> alerts;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* p = dynamic_cast<frmPass*>(w); p && !IsDefault(p) && p->isVisible())
                alerts.append(p);
        return alerts;
    }

    // Runs `whileOpen` once the modal window that `open` shows is up.
    static void whileModal(const std::function<void()>& whileOpen,
                           const std::function<void()>& open) {
        QTimer::singleShot(0, whileOpen);
        open();
    }

    int exitCode = -1;
};
