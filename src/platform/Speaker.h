#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// The voices the speech engine offers, Russian ones first, or why nothing can be spoken.
struct SpeechVoices {
    QStringList names;
    // How many names, from the first, are Russian voices.
    int russianCount = 0;
    // The engine's own choice for Russian (or for its default language when it has no Russian).
    QString defaultName;
    // Not empty when there is no engine, no voice, or the engine failed.
    QString error;
};

// What the program says aloud. The system's engine may take seconds to start and can fail at any
// moment, so nothing here blocks or throws: the answers come as signals. Tests install a recorder.
class Speaker : public QObject {
    Q_OBJECT
public:
    // Starts the engine in the background unless it is running; the first item of a run is then
    // not held up by the engine's start.
    virtual void Start() = 0;
    // Asks for the voices; VoicesListed follows once the engine has started, or with the reason
    // when it cannot.
    virtual void ListVoices() = 0;
    // Speaks the text in the named voice (empty: the engine's default), cutting off whatever is
    // still being said.
    virtual void Say(const QString& text, const QString& voice) = 0;
    // Silences whatever is being said.
    virtual void Stop() = 0;

Q_SIGNALS:
    void VoicesListed(const SpeechVoices& voices);
    // The engine could not start or stopped working; what is asked of it is dropped until a later
    // Start succeeds.
    void Failed(const QString& reason);
    void SpeakingChanged(bool speaking);
};

// The speaker every window asks. The real one is made on first use, never at start-up, and runs
// the engine on a thread of its own.
Speaker& AppSpeaker();
void SetAppSpeaker(Speaker* speaker); // nullptr puts the real one back
