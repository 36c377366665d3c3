#pragma once

#include <QWidget>
#include <functional>

// Runs a call that shows a modal window, and acts on that window from the event loop once it is
// up. If the action leaves the window open, it is closed anyway so a test fails instead of hanging;
// the return value says whether the action closed it by itself.
bool DriveModal(const std::function<void()>& showModal, const std::function<void(QWidget*)>& act);
