#include "forms/Windows.h"

namespace Windows {
namespace {
Hooks& hooks() {
    static Hooks h;
    return h;
}
} // namespace

void Register(Hooks h) {
    hooks() = std::move(h);
}
PassLayout& MainWindow() {
    return hooks().mainWindow();
}
PassLayout* NewClockWindow() {
    return hooks().newClockWindow();
}
QDialog& AboutBox() {
    return hooks().aboutBox();
}
void MainWindowClosed() {
    if (hooks().mainWindowClosed) hooks().mainWindowClosed();
}
void SetMainWindowClosed(std::function<void()> action) {
    hooks().mainWindowClosed = std::move(action);
}

bool MainWindowStaysShown() {
    return hooks().mainWindowStaysShown;
}
void SetMainWindowStaysShown(bool stays) {
    hooks().mainWindowStaysShown = stays;
}

} // namespace Windows
