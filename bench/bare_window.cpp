// The floor of the start-up: a bare main window of the same toolkit, shown maximised and left as
// soon as it has painted, exactly as the program does under ZORVIK_EXIT_AFTER_SHOW.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

namespace {
class FirstPaintQuit : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_done = false;
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("bare"));
    FirstPaintQuit quit;
    app.installEventFilter(&quit);
    window.showMaximized();
    return QApplication::exec();
}
