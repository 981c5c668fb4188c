#include "snmpeventprocessor.h"

#include <QPointer>
#include <QSocketNotifier>

#include <set>

#include "ovsnmpsession.h"

SnmpEventProcessor::SnmpEventProcessor() {
    timer_.setInterval(IntervalMs);
    connect(&timer_, &QTimer::timeout, this, &SnmpEventProcessor::Tick);
}

SnmpEventProcessor::~SnmpEventProcessor() = default;

void SnmpEventProcessor::Start() {
    timer_.start();
    WatchSockets();
}

void SnmpEventProcessor::Stop() {
    timer_.stop();
    notifiers_.clear();
}

void SnmpEventProcessor::WatchSockets() {
    OvSNMPSession* session = OvSNMPSession::Global();
    if (!session || !timer_.isActive())
        return;
    std::set<int> current;
    for (int fd : session->SocketDescriptors()) {
        current.insert(fd);
        if (notifiers_.count(fd))
            continue;
        auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
        connect(notifier.get(), &QSocketNotifier::activated, this, &SnmpEventProcessor::Tick);
        notifiers_.emplace(fd, std::move(notifier));
    }
    for (auto it = notifiers_.begin(); it != notifiers_.end();)
        it = current.count(it->first) ? std::next(it) : notifiers_.erase(it);
}

void SnmpEventProcessor::Tick() {
    if (inTick_)
        return;
    OvSNMPSession* session = OvSNMPSession::Global();
    if (!session)
        return;
    // A completion may end the session, and this pump with it.
    QPointer<SnmpEventProcessor> alive(this);
    inTick_ = true;
    timer_.stop();
    session->ProcessPendingEvents();
    if (!alive)
        return;
    if (OvSNMPSession::Global() == session) {
        timer_.start();
        WatchSockets();
    }
    inTick_ = false;
}
