#pragma once
// The windows of the folders above forms/ that lower folders must reach: app/ registers
// them at start, before any window loads.

#include <functional>

class QDialog;
struct PassLayout;

namespace Windows {

struct Hooks {
    std::function<PassLayout&()> mainWindow;     // the main clock window, loaded on use
    std::function<PassLayout*()> newClockWindow; // one more clock window, not shown
    std::function<QDialog&()> aboutBox;          // the About box, loaded on use
    std::function<void()> mainWindowClosed;      // set where closing it ends the program
    bool mainWindowStaysShown = false;           // set where no icon leads back to it
};

void Register(Hooks hooks);
PassLayout& MainWindow();
PassLayout* NewClockWindow();
QDialog& AboutBox();
void MainWindowClosed();
void SetMainWindowClosed(std::function<void()> action);
bool MainWindowStaysShown();
void SetMainWindowStaysShown(bool stays);

} // namespace Windows
