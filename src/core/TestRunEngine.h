#pragma once

#include "core/DateTimeText.h"

#include <QStringList>
#include <optional>

// The rules of one test run without a window: which item is shown and for how long, how it fades,
// the pace rule, the recall and the scoring. The window feeds it the monotonic clock on every tick
// and applies what it answers, so every timing rule is testable with a fake clock.
class TestRunEngine {
public:
    // One run as a launcher describes it and the test window takes it: the items to draw from and
    // the eight values that rule the run.
    struct Config {
        QStringList Items;
        int ElementCount = 1;
        int TimeLimit = 1;
        bool MeanTimeLimit = false;
        bool DoCalc = false;
        bool ShowCurrent = false;
        bool EnterAtEnd = false;
        bool AllowTips = false;
        int MaxWrongPercent = 0;

        bool operator==(const Config&) const = default;
    };

    // What a run leaves for its launcher: the counts after the latest check, the presentation
    // time, and the right answers of a completed run (0 otherwise).
    struct Outcome {
        int RightCount = 0;
        int WrongCount = 0;
        int CompletedRightCount = 0;
        DateTime PresentationTime = 0.0; // days
        double PresentationSeconds = 0.0;

        bool operator==(const Outcome&) const = default;
    };

    enum class Phase { Start, Presenting, PresentationDone, Recalling, Finished };

    // What a presentation tick asks of the window.
    struct Frame {
        enum class Kind {
            Unchanged, // the same item stays; apply the fade (or red)
            NewItem,   // show CurrentItem() in the normal colour
            Done,      // the last item's time is over: empty the panel, end the presentation
            PaceBroken // the mean time per item exceeded the limit: show Message, close with 2
        };
        Kind kind = Kind::Unchanged;
        int fadePercent = 0; // towards white, 0..50 while an item is on screen
        bool red = false;    // the item's last 700 ms
        bool rearm = false;  // the replaced item ran out of time: lock the show-next button
        QString message;
    };

    // What scoring decided after an answer.
    struct Check {
        enum class Outcome { Continue, Failed, Completed };
        Outcome outcome = Outcome::Continue;
        QString message;     // the error rule's text when Failed
        double meanTime = 0; // seconds per item (Failed: per answer given)
    };

    // Hand-edited settings may carry any count; more than this many items is no test anybody
    // takes, and a bound keeps the pool, the lists and the scoring small.
    static constexpr int kMaxElementCount = 1000;
    // Mean-time mode keeps an item until the user moves on; this is added to the limit for that.
    static constexpr qint64 kMeanModeHold = 1000000;
    // The item turns red this long before its time is over.
    static constexpr qint64 kRedMSecs = 700;

    // Stores the configuration with the count bounded to 1..kMaxElementCount and the time to at
    // least 1 ms. False (and nothing can run) when there are no items to draw from.
    bool Setup(const Config& config);
    const Config& Configuration() const { return m_config; }
    Phase CurrentPhase() const { return m_phase; }

    // Begins the presentation at the monotonic time nowMs; the first Tick shows the first item.
    void StartPresentation(qint64 nowMs);
    // One presentation tick at the monotonic time nowMs. Outside the presentation it does nothing.
    Frame Tick(qint64 nowMs);
    // Milliseconds until the item on screen has run out of time (its display time passed), or
    // empty when no item is timed. Lets the window tick once more right at that moment.
    std::optional<qint64> MSecsUntilItemEnds(qint64 nowMs) const;
    // The user asked for the next item: the next tick moves on.
    void ShowNext();
    // The item on screen gets a new full display time (after the user chose not to cancel).
    void RestartItem(qint64 nowMs);

    QString CurrentItem() const { return m_current; }
    int ShownCount() const { return m_shownCount; }
    // "Отображается %d элемент из %d." for the item on screen.
    QString ShownCounterText() const;

    // The presentation (and any dialog after it) is over; answers are taken one at a time.
    void BeginRecall();
    // Takes an answer exactly as typed. Ignored unless answers are being collected and one is
    // still missing.
    bool AddAnswer(const QString& answer);
    // The item that the next answer must equal; empty when none is missing.
    QString Tip() const;
    // "Введите %d элемент из %d."; empty when every answer is in (the label is then hidden).
    QString RecallCounterText() const;
    bool AllAnswered() const { return m_answers.size() >= m_presented.size(); }

    // Recounts every answer, applies the error rule and decides whether the run goes on, failed or
    // completed. A failure pads the answers with empty strings to the presented count.
    Check CheckAnswers();
    // The seven entries of a completed run, in their order.
    QStringList ResultRecord() const;
    // The run ended another way (cancelled, pace rule): nothing more is taken.
    void Finish() { m_phase = Phase::Finished; }

    const QStringList& Presented() const { return m_presented; }
    const QStringList& Answers() const { return m_answers; }

    Outcome Result;

private:
    void setPresentationTimes();

    Config m_config;
    Phase m_phase = Phase::Start;
    QStringList m_pool;
    QStringList m_presented;
    QStringList m_answers;
    QString m_current;
    int m_shownCount = 0;
    // When the item on screen was shown; empty means its time counts as over.
    std::optional<qint64> m_shownAt;
    // When the item on screen was shown even after a show-next request; for the pace message.
    qint64 m_onScreenSince = 0;
    qint64 m_start = 0;
    qint64 m_end = 0;
    double m_meanTime = 0.0;
};
