#pragma once

#include <QEvent>

// Messages a window posts to itself to run work after a page switch or a timer tick.
constexpr QEvent::Type WM_FIRST_START_CHECK = static_cast<QEvent::Type>(QEvent::User + 1);
constexpr QEvent::Type WM_START_PRESENTATION = static_cast<QEvent::Type>(QEvent::User + 1);
constexpr QEvent::Type WM_PRESENTATION_DONE = static_cast<QEvent::Type>(QEvent::User + 2);
