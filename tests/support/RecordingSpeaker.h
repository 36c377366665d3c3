#pragma once

#include "core/Clock.h"
#include "platform/Speaker.h"

#include <vector>

// Records what the program asked to say and when (the app clock's monotonic time), and answers the
// voice list at once; Fail makes the engine fail as a real one can, mid-run.
class RecordingSpeaker final : public Speaker {
public:
    struct Said {
        QString text;
        QString voice;
        qint64 atMs;
    };
    void Start() override { ++starts; }
    void ListVoices() override { Q_EMIT VoicesListed(voices); }
    void Say(const QString& text, const QString& voice) override {
        said.push_back({text, voice, AppClock().MonotonicMSecs()});
    }
    void Stop() override { ++stops; }
    void Fail(const QString& reason) { Q_EMIT Failed(reason); }

    SpeechVoices voices{
        {QStringLiteral("Russian"), QStringLiteral("Russian+Alex"), QStringLiteral("English")},
        2,
        QStringLiteral("Russian"),
        QString()};
    std::vector<Said> said;
    int starts = 0;
    int stops = 0;
};
