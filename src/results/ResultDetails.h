#pragma once

#include "app/UtilsUnit.h"

#include <QStringList>

class QWidget;

// What the details window shows, as taken from a result record.
struct TResultDetails {
    QStringList answers;   // ValidAnswerList: what the user typed
    QStringList presented; // MyAnswerList: what was shown
    bool showNorm = false;
    double examResult = 0.0;
    double avg = 0.0;
    int badAnswer = 0;
    int okAnswer = 0;
    int numsCnt = 0;
    TDateTime testDt = 0.0;
};

// Reads a result record (name=value lines) as the main window hands it to the details window.
TResultDetails ParseResultRecord(const QStringList& record);

// Shows the details window for a record, modally, owned by the given window.
void OpenResultDetails(QWidget* owner, const QStringList& record);
