#pragma once

#include "cli/HistoryExport.h"

#include <QString>
#include <optional>
#include <vector>

// The figures of a history that --stats prints.
struct HistoryStats {
    struct Month {
        int year = 0;
        int month = 0;
        int count = 0;
        double mean = 0.0;
    };
    int count = 0;
    std::optional<size_t> best; // index of the first exam with the highest coefficient
    int lastCount = 0;          // the exams the recent mean rests on: the last 10, or all
    double lastMean = 0.0;
    std::vector<Month> months; // calendar months that hold exams, in order
    // Least-squares slope of the coefficient over time, per 30 days; empty with fewer than two
    // exams or when all of them share one moment.
    std::optional<double> trendPer30Days;
};

// Figures of exams given oldest first.
HistoryStats ComputeStats(const std::vector<ExamRow>& exams);

// The figures as Russian text, numbers in the user's locale with two decimals, one item a line.
QString StatsText(const HistoryStats& stats, const std::vector<ExamRow>& exams);
