#include "ui/run/ItemAnnouncer.h"

#include "platform/Speaker.h"
#include "ui/run/ItemNotice.h"
#include "ui/run/TestWindow.h"

ItemAnnouncer::ItemAnnouncer(TestWindow* window)
    : QObject(window), m_window(window), m_notice(new ItemNotice(window)) {
    connect(window, &TestWindow::PresentationStep, this, &ItemAnnouncer::PresentationStep);
}

ItemAnnouncer::~ItemAnnouncer() {
    // A run that ends early (cancelled, failed) leaves nothing talking behind it.
    if (m_speak)
        AppSpeaker().Stop();
}

void ItemAnnouncer::SetSpeech(bool on, const QString& voice, SpokenText::DigitReading reading) {
    m_speak = on;
    m_voice = voice;
    m_reading = reading;
    if (!on)
        return;
    // An engine that fails leaves the run silent; the run itself goes on as if nothing happened.
    connect(&AppSpeaker(), &Speaker::Failed, this, &ItemAnnouncer::SpeakerFailed,
            Qt::UniqueConnection);
    AppSpeaker().Start();
}

void ItemAnnouncer::SpeakerFailed() {
    m_speak = false;
}

void ItemAnnouncer::PresentationStep() {
    const QString item = m_window->Engine().CurrentItem();
    if (item.isEmpty()) {
        m_notice->Clear();
        return;
    }
    // Spoken in the same tick that shows the item, and without waiting for the engine.
    if (m_speak)
        AppSpeaker().Say(SpokenText::For(item, m_reading), m_voice);
    m_notice->Announce(item);
}
