#pragma once

#include <QString>
#include <stdexcept>

// A save that did not reach the disk. It carries the file's path, the reason, and what became of
// the change: kept in memory (the next successful save writes it) or dropped (memory is as it was
// before the change).
class SaveError : public std::runtime_error {
public:
    // Kept: the next successful save writes it. Dropped: memory is as it was. KeptUntilExit: the
    // file may not be written this run, so the change lives in memory only.
    enum class Change { Kept, Dropped, KeptUntilExit };
    SaveError(QString path, QString reason, Change change = Change::Kept, bool replaced = false);
    const QString& path() const { return m_path; }
    const QString& reason() const { return m_reason; }
    Change change() const { return m_change; }
    // The file already holds the new content: only the disk's confirmation of it failed, so memory
    // must keep the change to agree with the file.
    bool replaced() const { return m_replaced; }
    // The same failure after the caller has put memory back as it was.
    SaveError dropped() const { return SaveError(m_path, m_reason, Change::Dropped); }
    // The text shown to the user: the path, the reason and what became of the change, in Russian.
    QString userMessage() const;

private:
    QString m_path;
    QString m_reason;
    Change m_change;
    bool m_replaced;
};
