#pragma once

#include "core/ResultRecord.h"

#include <QStringList>

class QWidget;

// Shows the details window for a result record, modally, owned by the given window; the window is
// destroyed when it closes.
void OpenResultDetails(QWidget* owner, const QStringList& record);
