#include "core/TestRunEngine.h"

#include "core/AnswerMatch.h"
#include "core/BitsText.h"
#include "core/CommaText.h"
#include "core/Messages.h"
#include "core/Random.h"
#include "core/ResultRecord.h"
#include "core/TextFormat.h"

#include <algorithm>

bool TestRunEngine::Setup(const Config& config) {
    m_config = config;
    m_config.ElementCount = std::clamp(config.ElementCount, 1, kMaxElementCount);
    m_config.TimeLimit = std::max(config.TimeLimit, 1);
    m_config.MaxWrongPercent = std::max(config.MaxWrongPercent, 0);
    m_phase = Phase::Start;
    m_pool.clear();
    m_presented.clear();
    m_answers.clear();
    m_current.clear();
    m_shownCount = 0;
    m_shownAt.reset();
    Result = {};
    if (m_config.Items.isEmpty()) {
        m_phase = Phase::Finished;
        return false;
    }
    return true;
}

void TestRunEngine::StartPresentation(qint64 nowMs) {
    if (m_phase != Phase::Start)
        return;
    m_phase = Phase::Presenting;
    m_shownAt.reset();
    m_shownCount = 0;
    m_start = nowMs;
    m_onScreenSince = nowMs;
}

std::optional<qint64> TestRunEngine::MSecsUntilItemEnds(qint64 nowMs) const {
    if (m_phase != Phase::Presenting || !m_shownAt || m_config.MeanTimeLimit)
        return std::nullopt;
    // An item ends once its elapsed time is greater than its display time: one millisecond after.
    return std::max<qint64>(0, *m_shownAt + m_config.TimeLimit + 1 - nowMs);
}

TestRunEngine::Frame TestRunEngine::Tick(qint64 nowMs) {
    Frame frame;
    if (m_phase != Phase::Presenting)
        return frame;

    qint64 display = m_config.TimeLimit;
    if (m_config.MeanTimeLimit) {
        const qint64 total = nowMs - m_start;
        if (static_cast<double>(total) / m_config.ElementCount > m_config.TimeLimit) {
            m_phase = Phase::Finished;
            frame.kind = Frame::Kind::PaceBroken;
            // How long the item now on screen has been there, even if a move on was already asked.
            const qint64 onScreen = m_shownCount > 0 ? nowMs - m_onScreenSince : 0;
            frame.message = Format(Messages::PaceRuleBroken,
                                   {m_config.TimeLimit / 1000.0, m_config.ElementCount,
                                    FormatDuration(static_cast<double>(onScreen) / kMSecsPerDay)});
            return frame;
        }
        display = m_config.TimeLimit + kMeanModeHold;
    }

    if (m_shownAt) {
        const qint64 elapsed = nowMs - *m_shownAt;
        frame.fadePercent = static_cast<int>(std::clamp<qint64>(elapsed * 50 / display, 0, 50));
        frame.red = display - elapsed < kRedMSecs;
        if (elapsed <= display)
            return frame;
    }

    // The item's time is over.
    if (m_shownCount >= m_config.ElementCount) {
        m_end = nowMs;
        m_current.clear();
        m_phase = Phase::PresentationDone;
        frame = Frame{};
        frame.kind = Frame::Kind::Done;
        return frame;
    }
    if (m_pool.isEmpty())
        m_pool = m_config.Items;
    const int index = AppRandom().Next(static_cast<int>(m_pool.size()));
    m_current = m_pool.takeAt(index);
    m_presented.append(m_current);
    frame = Frame{};
    frame.kind = Frame::Kind::NewItem;
    frame.rearm = m_shownAt.has_value();
    m_shownAt = nowMs;
    m_onScreenSince = nowMs;
    ++m_shownCount;
    return frame;
}

void TestRunEngine::ShowNext() {
    if (m_phase == Phase::Presenting)
        m_shownAt.reset();
}

void TestRunEngine::RestartItem(qint64 nowMs) {
    if (m_phase != Phase::Presenting || m_shownCount == 0)
        return;
    m_shownAt = nowMs;
    m_onScreenSince = nowMs;
}

QString TestRunEngine::ShownCounterText() const {
    return Format(Messages::ShownCounter, {m_presented.size(), m_config.ElementCount});
}

void TestRunEngine::BeginRecall() {
    if (m_phase == Phase::PresentationDone)
        m_phase = Phase::Recalling;
}

bool TestRunEngine::AddAnswer(const QString& answer) {
    if (m_phase != Phase::Recalling || AllAnswered())
        return false;
    m_answers.append(answer);
    return true;
}

QString TestRunEngine::Tip() const {
    return m_answers.size() < m_presented.size() ? m_presented.at(m_answers.size()) : QString();
}

QString TestRunEngine::RecallCounterText() const {
    if (AllAnswered())
        return QString();
    return Format(Messages::RecallCounter, {m_answers.size() + 1, m_config.ElementCount});
}

void TestRunEngine::setPresentationTimes() {
    const qint64 ms = std::max<qint64>(m_end - m_start, 0);
    Result.PresentationTime = static_cast<double>(ms) / kMSecsPerDay;
    // All of it: a presentation that ran past a day must not lose the whole days.
    Result.PresentationSeconds = static_cast<double>(ms) / 1000.0;
}

TestRunEngine::Check TestRunEngine::CheckAnswers() {
    Check check;
    Result.RightCount = Result.WrongCount = 0;
    const qsizetype n = std::min(m_answers.size(), m_presented.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (AnswerMatches(m_presented.at(i), m_answers.at(i)))
            ++Result.RightCount;
        else
            ++Result.WrongCount;
    }
    if (m_presented.isEmpty())
        return check;

    const qint64 percent = qint64{Result.WrongCount} * 100 / m_presented.size();
    if (m_config.MaxWrongPercent > 0 && percent > m_config.MaxWrongPercent) {
        setPresentationTimes();
        const qsizetype given = std::max<qsizetype>(m_answers.size(), 1);
        check.outcome = Check::Outcome::Failed;
        check.meanTime = Result.PresentationSeconds / static_cast<double>(given);
        check.message = Format(Messages::ErrorRuleBroken, {m_config.MaxWrongPercent});
        while (m_answers.size() < m_presented.size())
            m_answers.append(QString());
        m_meanTime = check.meanTime;
        m_phase = Phase::Finished;
        return check;
    }
    if (m_answers.size() < m_presented.size())
        return check;

    setPresentationTimes();
    Result.CompletedRightCount = Result.RightCount;
    check.outcome = Check::Outcome::Completed;
    check.meanTime = Result.PresentationSeconds / m_config.ElementCount;
    m_meanTime = check.meanTime;
    m_phase = Phase::Finished;
    return check;
}

QStringList TestRunEngine::ResultRecord() const {
    const auto entry = [](const QString& key, const QString& value) {
        return key + QLatin1Char('=') + value;
    };
    return {
        entry(ResultKey::ValidAnswerList, CommaText::Write(m_answers)),
        entry(ResultKey::MyAnswerList, CommaText::Write(m_presented)),
        entry(ResultKey::TestDt, FloatToBitsText(Result.PresentationTime)),
        entry(ResultKey::NumsCnt, QString::number(m_config.ElementCount)),
        entry(ResultKey::OkAnswer, QString::number(Result.RightCount)),
        entry(ResultKey::BadAnswer, QString::number(Result.WrongCount)),
        entry(ResultKey::Avg, FloatToBitsText(m_meanTime)),
    };
}
