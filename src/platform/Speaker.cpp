#include "platform/Speaker.h"

#include "core/Messages.h"
#include "core/TextFormat.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QHash>
#include <QSet>
#include <QTextToSpeech>
#include <QThread>
#include <algorithm>
#include <functional>

namespace {

// An engine may offer thousands of variants of its voices; a list longer than this helps nobody
// and only slows the settings dialog down.
constexpr int kMaxListedVoices = 300;
// Ending the program never waits longer than this for a speech service that hangs.
constexpr int kShutdownWaitMs = 3000;

const QLocale& russian() {
    static const QLocale locale(QLocale::Russian, QLocale::Russia);
    return locale;
}

// The system's engine (the speech service of the desktop) on a thread of its own: starting it can
// take seconds, and no call of the window's thread may ever wait for it.
class SystemSpeaker;
SystemSpeaker& realSpeaker();

class SystemSpeaker final : public Speaker {
public:
    void Start() override {
        post([this] { ensureEngine(); });
    }
    void ListVoices() override {
        post([this] {
            ensureEngine();
            Q_EMIT VoicesListed(m_voices);
        });
    }
    void Say(const QString& text, const QString& voice) override {
        post([this, text, voice] {
            if (!ensureEngine())
                return;
            useVoice(voice);
            m_engine->stop();
            m_engine->say(text);
        });
    }
    void Stop() override {
        // Nothing to silence before anything was said; above all, no thread to start for it.
        if (!m_thread)
            return;
        post([this] {
            if (m_engine)
                m_engine->stop();
        });
    }

    // Deletes the engine on its own thread and ends the thread; called as the application ends.
    void Shutdown() {
        if (!m_thread)
            return;
        post([this] {
            delete m_engine;
            m_engine = nullptr;
            QThread::currentThread()->quit();
        });
        // A thread still blocked in a hung service is left to the end of the process.
        if (m_thread->wait(QDeadlineTimer(kShutdownWaitMs))) {
            delete m_context;
            delete m_thread;
        }
        m_thread = nullptr;
        m_context = nullptr;
    }

private:
    void post(std::function<void()> job) {
        if (!m_thread) {
            m_thread = new QThread;
            m_context = new QObject;
            m_context->moveToThread(m_thread);
            m_thread->start();
            qAddPostRoutine([] { realSpeaker().Shutdown(); });
        }
        QMetaObject::invokeMethod(m_context, std::move(job), Qt::QueuedConnection);
    }

    // On the engine's thread: the engine, started if need be; false when there is none.
    bool ensureEngine() {
        if (m_engine)
            return true;
        if (QTextToSpeech::availableEngines().isEmpty())
            return fail(Messages::NoSpeechEngine);
        m_engine = new QTextToSpeech(m_context);
        if (m_engine->state() == QTextToSpeech::Error)
            return fail(Format(Messages::SpeechEngineFailed, {m_engine->errorString()}));
        QObject::connect(m_engine, &QTextToSpeech::errorOccurred, m_context,
                         [this](QTextToSpeech::ErrorReason, const QString& text) {
                             fail(Format(Messages::SpeechEngineFailed, {text}));
                         });
        QObject::connect(m_engine, &QTextToSpeech::stateChanged, m_context,
                         [this](QTextToSpeech::State state) {
                             Q_EMIT SpeakingChanged(state == QTextToSpeech::Speaking);
                         });
        listVoices();
        if (m_voices.names.isEmpty())
            return fail(Messages::NoSpeechVoice);
        return true;
    }

    // Russian voices first, then the others up to the bound; each remembered with its language,
    // since the engine offers a voice only while its language is chosen.
    void listVoices() {
        m_voices = {};
        m_voiceLocales.clear();
        QSet<QString> seen;
        const auto take = [&](const QLocale& locale) {
            m_engine->setLocale(locale);
            for (const QVoice& voice : m_engine->availableVoices()) {
                if (m_voices.names.size() >= kMaxListedVoices)
                    return;
                if (seen.contains(voice.name()))
                    continue;
                seen.insert(voice.name());
                m_voices.names.append(voice.name());
                m_voiceLocales.insert(voice.name(), locale);
            }
        };
        const QLocale engineDefault = m_engine->locale();
        const QList<QLocale> locales = m_engine->availableLocales();
        const bool hasRussian = std::any_of(locales.begin(), locales.end(), [](const QLocale& l) {
            return l.language() == QLocale::Russian;
        });
        if (hasRussian)
            take(russian());
        m_voices.russianCount = static_cast<int>(m_voices.names.size());
        for (const QLocale& locale : locales)
            if (locale.language() != QLocale::Russian)
                take(locale);
        m_engine->setLocale(hasRussian ? russian() : engineDefault);
        m_voices.defaultName = m_engine->voice().name();
        m_voice.clear();
    }

    void useVoice(const QString& name) {
        if (name == m_voice)
            return;
        m_voice = name;
        const auto found = m_voiceLocales.constFind(name);
        if (name.isEmpty() || found == m_voiceLocales.cend()) {
            // The engine's default, or a voice that is gone: the default for Russian.
            m_engine->setLocale(m_voiceLocales.value(m_voices.defaultName, russian()));
            return;
        }
        m_engine->setLocale(*found);
        for (const QVoice& voice : m_engine->availableVoices())
            if (voice.name() == name)
                m_engine->setVoice(voice);
    }

    bool fail(const QString& reason) {
        if (m_engine)
            m_engine->deleteLater();
        m_engine = nullptr;
        m_voices = {};
        m_voices.error = reason;
        m_voice.clear();
        Q_EMIT Failed(reason);
        return false;
    }

    // Touched only on the window's thread.
    QThread* m_thread = nullptr;
    QObject* m_context = nullptr;
    // Touched only on the engine's thread.
    QTextToSpeech* m_engine = nullptr;
    SpeechVoices m_voices;
    QHash<QString, QLocale> m_voiceLocales;
    QString m_voice;
};

SystemSpeaker& realSpeaker() {
    // Made on first use and never destroyed: its thread is ended as the application ends.
    static SystemSpeaker* real = new SystemSpeaker;
    return *real;
}

Speaker* g_speaker = nullptr;

} // namespace

Speaker& AppSpeaker() {
    return g_speaker ? *g_speaker : realSpeaker();
}

void SetAppSpeaker(Speaker* speaker) {
    g_speaker = speaker;
}
