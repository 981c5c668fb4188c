#pragma once

#include <QObject>
#include <QTimer>

#include <map>
#include <memory>

class QSocketNotifier;

// Lets the SNMP library handle what is pending every 20 ms, and at once when
// one of its sockets becomes readable, so a response never waits for a tick.
// Everything runs on the user-interface thread; a tick never nests.
class SnmpEventProcessor : public QObject {
    Q_OBJECT
public:
    static constexpr int IntervalMs = 20;

    SnmpEventProcessor();
    ~SnmpEventProcessor() override;

    void Start();
    void Stop();
    bool IsActive() const { return timer_.isActive(); }
    // Called after a send so that a new library socket is watched too.
    void WatchSockets();

private:
    void Tick();

    QTimer timer_;
    std::map<int, std::unique_ptr<QSocketNotifier>> notifiers_;
    bool inTick_ = false;
};
