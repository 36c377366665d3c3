#pragma once

#include "FakeClock.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Base fixture of the core tests: a fresh program folder with the three stores opened on it, a
// fake clock and a seeded generator. Needs no display and no desktop.
class CoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The program folder of this test.
    QString Dir() const { return m_dir.path(); }
    QString PathOf(const QString& relative) const;
    // Writes bytes to a file below the program folder (creating folders), then reopens the stores
    // so that they load it.
    void WriteFile(const QString& relative, const QByteArray& bytes);
    QByteArray ReadFile(const QString& relative) const;
    // Re-creates the stores from the files on disk.
    void ReopenStores();
    // Copies the shipped data folder (Data/modules.ini, Help) into the program folder.
    void InstallShippedData();

    QTemporaryDir m_dir;
    FakeClock clock;
};

// Text in code page 1251 with CR LF written as "\n" in the test source.
QByteArray Cp1251Lines(const QString& text);
