#include "core/SaveError.h"

#include "core/Messages.h"

SaveError::SaveError(QString path, QString reason, Change change, bool replaced)
    : std::runtime_error("save failed"), m_path(std::move(path)), m_reason(std::move(reason)),
      m_change(change), m_replaced(replaced) {}

QString SaveError::userMessage() const {
    // The system's reasons are written to follow a colon; here the reason is a line of its own.
    QString reason = m_reason;
    if (!reason.isEmpty())
        reason[0] = reason[0].toUpper();
    switch (m_change) {
    case Change::Kept:
        return Messages::SaveFailed.arg(m_path, reason);
    case Change::KeptUntilExit:
        return Messages::SaveKeptUntilExit.arg(m_path, reason);
    case Change::Dropped:
        break;
    }
    return Messages::SaveRefused.arg(m_path, reason);
}
