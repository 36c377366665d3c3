#include "CoreTest.h"

#include "core/Cp1251.h"
#include "core/Random.h"
#include "core/Stores.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

void CoreTest::SetUp() {
    ASSERT_TRUE(m_dir.isValid());
    SetAppClock(&clock);
    AppRandom().Seed(12345);
    OpenStores(m_dir.path());
}

void CoreTest::TearDown() {
    CloseStores();
    SetAppClock(nullptr);
}

QString CoreTest::PathOf(const QString& relative) const {
    return m_dir.filePath(relative);
}

void CoreTest::WriteFile(const QString& relative, const QByteArray& bytes) {
    const QString path = PathOf(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
    f.close();
    ReopenStores();
}

QByteArray CoreTest::ReadFile(const QString& relative) const {
    QFile f(PathOf(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void CoreTest::ReopenStores() {
    OpenStores(m_dir.path());
}

void CoreTest::InstallShippedData() {
    const QString src = QStringLiteral(ZORVIK_SOURCE_DIR "/data");
    for (const QString& rel :
         {QStringLiteral("Data/modules.ini"), QStringLiteral("Help/index.htm")}) {
        QDir().mkpath(QFileInfo(PathOf(rel)).absolutePath());
        QFile::remove(PathOf(rel));
        QFile::copy(src + QLatin1Char('/') + rel, PathOf(rel));
    }
    ReopenStores();
}

QByteArray Cp1251Lines(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    QByteArray out;
    cp1251::encode(t, &out);
    return out;
}
