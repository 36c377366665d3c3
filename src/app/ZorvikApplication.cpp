#include "app/ZorvikApplication.h"

#include "core/IniFile.h"
#include "core/Messages.h"
#include "platform/Prompts.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

ZorvikApplication::ZorvikApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool ZorvikApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const SaveError& e) {
        ShowError(activeWindow(), e.userMessage());
    } catch (const std::exception& e) {
        ShowError(activeWindow(), QString::fromLocal8Bit(e.what()));
    }
    return false;
}

void ZorvikApplication::InstallRussianTranslations() {
    const QString dir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : {QStringLiteral("qtbase_ru"), QStringLiteral("qt_ru")}) {
        auto* tr = new QTranslator(this);
        if (tr->load(name, dir))
            installTranslator(tr);
        else
            delete tr;
    }
}
