#include "platform/Platform.h"

// The clock needs no display: kelvon-sync reads it too.
namespace platform {
namespace {

class QtClock : public Clock {
  public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    // Every zone's offset is whole seconds, so the epoch time gives the milliseconds.
    int msecOfSecond() const override { return int(QDateTime::currentMSecsSinceEpoch() % 1000); }
};

std::unique_ptr<Clock>& clockSlot() {
    static auto* clock = new std::unique_ptr<Clock>;
    return *clock;
}

Clock& clock() {
    std::unique_ptr<Clock>& slot = clockSlot();
    if (!slot) slot = std::make_unique<QtClock>();
    return *slot;
}

} // namespace

void installClock(std::unique_ptr<Clock> c) {
    clockSlot() = std::move(c);
}

} // namespace platform

QDateTime Now() {
    return platform::clock().now();
}
int NowMsecOfSecond() {
    return platform::clock().msecOfSecond();
}
