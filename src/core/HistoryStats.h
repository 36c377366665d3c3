#pragma once

#include "core/DateTimeText.h"

#include <QString>
#include <optional>
#include <span>
#include <vector>

// The figures of a run of exams: what `zorvik-history --stats` prints and the progress window
// shows, from the one computation, so that both say the same of the same exams.
struct HistoryStats {
    // One exam as the figures take it.
    struct Exam {
        DateTime date = 0.0; // as stored: the texts write it as the history list does
        qint64 timeKey = 0;  // StoredExam::TimeKey: orders the exams and spaces them in time
        double coefficient = 0.0;
    };
    struct Month {
        int year = 0;
        int month = 0;
        int count = 0;
        double mean = 0.0;
        double best = 0.0;
    };
    // The least-squares line of the coefficient over time: its slope per 30 days, and the point
    // it passes through (the mean time, in days of time keys, and the mean coefficient).
    struct Trend {
        double per30Days = 0.0;
        double meanDay = 0.0;
        double meanCoefficient = 0.0;
    };
    // The figures as lines of text, numbers in the user's locale with two decimals.
    struct Texts {
        QString count; // "Экзаменов: 3"
        QString best; // "Лучший коэффициент: 2,40 — 03.04.2007 20:00:00 (вторник)"
        QString recent; // "Среднее за последние 3: 1,60"
        QString trend; // "Тренд: +2,22 за 30 дней (по экзаменам: 3)", or why there is none
        struct Month {
            QString name, count, mean, best; // "март 2007", "2", "1,20", "1,60"
        };
        std::vector<Month> months;
    };

    int count = 0;
    std::optional<size_t> best; // index of the first exam with the highest coefficient
    int lastCount = 0;          // the exams the recent mean rests on: the last 10, or all
    double lastMean = 0.0;
    std::vector<Month> months; // calendar months that hold exams, in order
    // Empty with fewer than two exams or when all of them share one moment.
    std::optional<Trend> trend;
};

// A figure as the texts write it: two decimals in the user's locale ("12,50"), or in exponent
// form beyond a trillion ("1,00e+300").
QString StatsNumber(double v);

// Figures of exams given oldest first (by time key).
HistoryStats ComputeStats(std::span<const HistoryStats::Exam> exams);

// The texts of the figures of those exams; without exams only the count.
HistoryStats::Texts StatsTexts(const HistoryStats& stats,
                               std::span<const HistoryStats::Exam> exams);

// The whole text --stats prints: one item a line, the months indented under their heading.
QString StatsText(const HistoryStats& stats, std::span<const HistoryStats::Exam> exams);
