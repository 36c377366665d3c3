#include "ZorvikTest.h"

#include "ui/modules/ModuleEditor.h"

#include <QDir>

// File names reach the module editor's files as data: quotes, blanks, ";", "$()" and line breaks
// name one file and start nothing.
namespace {

class HostileNames : public ZorvikTest {};

TEST_F(HostileNames, ModuleFilesWithShellCharactersInTheirNames) {
    WriteFile(QStringLiteral("Data/modules.ini"),
              Cp1251Lines(QStringLiteral("[M]\nStandart=0\nName=M\nData=a,b\n")));
    const QStringList names = {QStringLiteral("q\"uo'te.txt"),
                               QStringLiteral("two  blanks .txt"),
                               QStringLiteral("a; touch pwned;.txt"),
                               QStringLiteral("$(touch pwned).txt"),
                               QStringLiteral("`touch pwned`.txt"),
                               QStringLiteral("line\nbreak.txt"),
                               QStringLiteral("-rf.txt"),
                               QStringLiteral("| touch pwned &.txt")};
    ModuleEditor form;
    form.LoadWorkingCopy();
    ASSERT_EQ(form.MemoText(), QStringLiteral("a\nb"));
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        prompts.ExpectSaveFile(PathOf(name));
        form.SaveButtonClick();
        EXPECT_EQ(ReadFile(name), QByteArray("a\r\nb"));
        prompts.ExpectOpenFile(PathOf(name));
        form.LoadButtonClick();
        EXPECT_EQ(form.MemoText(), QStringLiteral("a\nb"));
    }
    prompts.Verify();
    QStringList expected = names;
    expected << QStringLiteral("Data");
    QStringList listed = QDir(Dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    listed.removeAll(QStringLiteral("settings.ini"));
    expected.sort();
    listed.sort();
    EXPECT_EQ(listed, expected); // no "pwned" anywhere
    EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("pwned"))));
}

} // namespace
