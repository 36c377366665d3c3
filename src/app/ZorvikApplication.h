#pragma once

#include <QApplication>

// The application object. Its notify is the event loop's default error handler: a save that failed
// deep inside a user action is shown in a message box, the rest of that action is abandoned, and
// the program goes on.
class ZorvikApplication : public QApplication {
public:
    ZorvikApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Loads Qt's own Russian texts for standard dialogs and buttons.
    void InstallRussianTranslations();
};
