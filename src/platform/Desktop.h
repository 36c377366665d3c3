#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// The desktop services the program asks for: opening documents and addresses, starting a program
// with an argument list (never through a shell), and the default beep. Tests install a recorder.
class Desktop {
public:
    virtual ~Desktop() = default;
    virtual bool OpenUrl(const QUrl& url) = 0;
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
    virtual void Beep() = 0;
};

Desktop& AppDesktop();
void SetAppDesktop(Desktop* desktop); // nullptr puts the real one back
