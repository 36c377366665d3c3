#pragma once

#include "platform/Desktop.h"

#include <vector>

// Records what the program asked the desktop to do, and does nothing.
class RecordingDesktop final : public Desktop {
public:
    struct Started {
        QString program;
        QStringList arguments;
    };
    bool OpenUrl(const QUrl& url) override {
        urls.push_back(url);
        return openResult;
    }
    bool StartProgram(const QString& program, const QStringList& arguments) override {
        started.push_back({program, arguments});
        return true;
    }
    void Beep() override { ++beeps; }

    std::vector<QUrl> urls;
    std::vector<Started> started;
    int beeps = 0;
    bool openResult = true;
};
