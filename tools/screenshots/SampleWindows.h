#pragma once

#include <QString>
#include <functional>

class QWidget;

// Every window of the program, built the way its command builds it and filled with sample data, for
// the screenshots and for the checks that walk each window. The stores must be open on a program
// folder that holds the shipped Data/modules.ini.

// Writes a history of exams and settings past the first start through the open stores.
void FillSampleStores();

// Shows each window (or each state of a window: the pages of the settings, the steps of a test
// run) in turn, calls visit with a short name and the window while it is on screen, then closes
// it. No window runs a modal loop, so nothing waits for the user.
using SampleWindowVisitor = std::function<void(const QString& name, QWidget& window)>;
void VisitSampleWindows(const SampleWindowVisitor& visit, const QString& programFile = QString());
