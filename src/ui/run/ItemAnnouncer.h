#pragma once

#include "core/SpokenText.h"

#include <QObject>
#include <QString>

class ItemNotice;
class TestWindow;

// Makes each item of a run heard as it appears on the item panel: always through a notice that
// screen readers read, and, when the user turned it on, in the speech engine's voice. The test
// window feeds it through its PresentationStep signal; it never changes what is shown or when.
class ItemAnnouncer : public QObject {
    Q_OBJECT
public:
    explicit ItemAnnouncer(TestWindow* window);
    ~ItemAnnouncer() override;

    // The user's choice, set by the launcher before the run; turning it on starts the engine at
    // once, so that only the first item can wait for a slow speech service.
    void SetSpeech(bool on, const QString& voice, SpokenText::DigitReading reading);
    bool Speaking() const { return m_speak; }

private:
    void PresentationStep();
    void SpeakerFailed();

    TestWindow* m_window;
    ItemNotice* m_notice;
    bool m_speak = false;
    QString m_voice;
    SpokenText::DigitReading m_reading = SpokenText::DigitReading::Numbers;
};
