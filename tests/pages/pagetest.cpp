#include "pagetest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "configpagebuilder.h"
#include "ovsnmprequest2controls.h"
#include "ovsnmpsession.h"
#include "ovsnmpsettings.h"
#include "pagecatalog.h"
#include "ovsnmprequest2edits.h"
#include "tconfigform.h"

void PageTest::SetUp() {
    previous_ = std::filesystem::current_path();
    std::filesystem::current_path(dir_.Path());
    CreateGlobalSession("");
    DefaultSettings().Device = {"127.0.0.1", static_cast<uint16_t>(switch_.Port())};
    DefaultSettings().Security.Version = 1;
    DefaultSettings().Security.ReadCommunity = SimSwitch::ReadCommunity;
    DefaultSettings().Security.WriteCommunity = SimSwitch::WriteCommunity;
    DefaultSettings().Timeout = 100;
}

void PageTest::TearDown() {
    OvSNMPSession::DestroyGlobal();
    ResetDefaultSettings();
    std::filesystem::current_path(previous_);
}

const PageEntry& PageTest::Entry(const QStringList& path) {
    std::vector<std::string> texts;
    for (const QString& caption : path)
        texts.push_back(caption.toStdString());
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    if (const PageEntry* entry = FindPage(views))
        return *entry;
    throw std::runtime_error("no catalogue entry " + path.join('/').toStdString());
}

std::unique_ptr<TConfigForm> PageTest::Open(const QStringList& path) {
    std::unique_ptr<TConfigForm> form = ConfigPageBuilder::Build(Entry(path), QStringLiteral("127.0.0.1"));
    form->show();
    // The first read starts from the event loop once the dialog shows.
    QElapsedTimer waited;
    waited.start();
    while (!form->CurrentBinding && waited.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    WaitIdle(*form->Bindings.first());
    return form;
}

void PageTest::WaitIdle(const OvSNMPRequest2Controls& binding) {
    QElapsedTimer waited;
    waited.start();
    do
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    while (binding.Busy && waited.elapsed() < 5000);
}

void PageTest::WhenModal(std::function<void()> action) {
    // Checked from the event loop, so that the loop's own timers keep running.
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, action = std::move(action)] {
        if (!QApplication::activeModalWidget())
            return;
        timer->stop();
        timer->deleteLater();
        action();
    });
    timer->start();
}

std::vector<SimJournalEntry> PageTest::Sets() const {
    std::vector<SimJournalEntry> sets;
    for (const SimJournalEntry& entry : switch_.Journal())
        if (entry.operation == "SET")
            sets.push_back(entry);
    return sets;
}
