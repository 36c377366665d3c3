#include "platform/Speaker.h"
#include "core/SpokenText.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// The speech library reads the service's list of thousands of voices with a strstr loop that the
// sanitizer's checked strstr makes take minutes; the loop is the library's, not this program's.
extern "C" const char* __asan_default_options() {
    return "intercept_strstr=0";
}
#endif

namespace {

constexpr int kEngineStartMs = 90000; // the speech service lists thousands of voices as it starts
constexpr int kProcessMs = 20000;

// The system's speech engine as a user's desktop runs it, on a machine with no sound card: a
// private sound server with a null output, the speech service started by the engine itself, and
// what comes out recorded from the output's monitor. Everything started here is stopped by its
// process id.
class SystemSpeakerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runtime.isValid());
        QFile::setPermissions(runtime.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        // The speech service refuses to start under a locale the machine has not generated.
        qputenv("LC_ALL", "C.UTF-8");
        pulse.setProcessChannelMode(QProcess::ForwardedChannels);
        pulse.start(QStringLiteral("pulseaudio"),
                    {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                     QStringLiteral("-n"), QStringLiteral("--load=module-null-sink sink_name=null"),
                     QStringLiteral("--load=module-native-protocol-unix")});
        ASSERT_TRUE(pulse.waitForStarted(kProcessMs)) << "is pulseaudio installed?";
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return QFile::exists(runtime.filePath(QStringLiteral("pulse/native"))); },
            kProcessMs));
        ASSERT_EQ(QProcess::execute(QStringLiteral("pactl"),
                                    {QStringLiteral("set-default-sink"), QStringLiteral("null")}),
                  0);
    }

    void TearDown() override {
        // The speech service outlives its clients by design; it is ours, so it goes now.
        QFile pidFile(
            runtime.filePath(QStringLiteral("speech-dispatcher/pid/speech-dispatcher.pid")));
        if (pidFile.open(QIODevice::ReadOnly)) {
            const pid_t pid = static_cast<pid_t>(pidFile.readAll().trimmed().toLongLong());
            if (pid > 0 && ::kill(pid, SIGTERM) == 0) {
                EXPECT_TRUE(QTest::qWaitFor([pid] { return ::kill(pid, 0) != 0; }, kProcessMs))
                    << "the speech service did not end";
            }
        }
        pulse.terminate();
        if (!pulse.waitForFinished(kProcessMs)) {
            pulse.kill();
            pulse.waitForFinished(kProcessMs);
        }
    }

    QTemporaryDir runtime;
    QProcess pulse;
};

// Whether a recording of 16-bit samples holds more than silence.
bool Audible(const QByteArray& raw) {
    int loud = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
        const auto sample =
            static_cast<qint16>(static_cast<quint8>(raw[i]) | static_cast<quint8>(raw[i + 1]) << 8);
        if (sample > 1000 || sample < -1000)
            ++loud;
    }
    return loud > 100;
}

TEST_F(SystemSpeakerTest, SpeaksAnItemInARussianVoiceAndSoundComesOut) {
    Speaker& speaker = AppSpeaker();
    QSignalSpy listed(&speaker, &Speaker::VoicesListed);
    speaker.ListVoices();
    ASSERT_TRUE(listed.wait(kEngineStartMs)) << "no answer from the speech engine";
    const auto voices = listed.takeFirst().at(0).value<SpeechVoices>();
    ASSERT_TRUE(voices.error.isEmpty()) << voices.error.toStdString();
    ASSERT_GT(voices.russianCount, 0) << "no Russian voice among " << voices.names.size();
    EXPECT_TRUE(voices.names.mid(0, voices.russianCount).contains(voices.defaultName));

    QProcess recorder;
    recorder.start(QStringLiteral("parec"),
                   {QStringLiteral("-d"), QStringLiteral("null.monitor"), QStringLiteral("--raw"),
                    QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                    QStringLiteral("--rate=16000")});
    ASSERT_TRUE(recorder.waitForStarted(kProcessMs));
    QSignalSpy speaking(&speaker, &Speaker::SpeakingChanged);
    speaker.Say(SpokenText::For(QStringLiteral("523-46-07"), SpokenText::DigitReading::Numbers),
                voices.names.first());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !speaking.isEmpty(); }, kProcessMs));
    EXPECT_TRUE(speaking.first().at(0).toBool()) << "speaking first";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !speaking.last().at(0).toBool(); }, kProcessMs))
        << "and back to ready";
    recorder.terminate();
    ASSERT_TRUE(recorder.waitForFinished(kProcessMs));
    EXPECT_TRUE(Audible(recorder.readAllStandardOutput())) << "no sound came out";
}

} // namespace
