#include "ZorvikTest.h"

#include "ui/dialogs/PhonePatternDialog.h"
#include "ui/modules/ModuleEditor.h"
#include "ui/run/AnswerEntryDialog.h"
#include "ui/run/TestWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <memory>

namespace {

class CodePageInputTest : public ZorvikTest {};

QString TextOf(QWidget* w) {
    if (auto* line = qobject_cast<QLineEdit*>(w))
        return line->text();
    return qobject_cast<QPlainTextEdit*>(w)->toPlainText();
}

TEST_F(CodePageInputTest, StoredTextControlsTakeOnlyWhatTheCodePageHolds) {
    WriteFile(QStringLiteral("Data/modules.ini"),
              Cp1251Lines(QStringLiteral("[mine]\nStandart=0\nName=Мой\nData=\n\n")));
    const struct {
        const char* control;
        std::function<std::unique_ptr<QWidget>()> make;
    } controls[] = {
        {"AnswerEdit", [] { return std::make_unique<TestWindow>(); }},
        {"Edit1", [] { return std::make_unique<AnswerEntryDialog>(); }},
        {"Edit20", [] { return std::make_unique<AnswerEntryDialog>(); }},
        {"PhoneEdit", [] { return std::make_unique<PhonePatternDialog>(); }},
        {"NumsMemo",
         [] {
             auto editor = std::make_unique<ModuleEditor>();
             editor->LoadWorkingCopy();
             return editor;
         }},
    };
    const QString characters[] = {QStringLiteral("ä"), QStringLiteral("қ"), QStringLiteral("☎"),
                                  QStringLiteral("\U0001F600")};
    for (const auto& c : controls) {
        for (const QString& foreign : characters) {
            SCOPED_TRACE(std::string(c.control) + " " + foreign.toStdString());
            const auto form = c.make();
            auto* w = form->findChild<QWidget*>(QString::fromLatin1(c.control));
            ASSERT_NE(w, nullptr);
            if (auto* line = qobject_cast<QLineEdit*>(w))
                line->clear();
            else
                qobject_cast<QPlainTextEdit*>(w)->clear();
            w->setFocus();

            // Typed: the character is not entered, the program beeps, typing goes on.
            desktop.beeps = 0;
            for (const QString& typed :
                 {QStringLiteral("Ё"), QStringLiteral("ж"), foreign, QStringLiteral("1")}) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
                QApplication::sendEvent(w, &key);
            }
            EXPECT_EQ(TextOf(w), QStringLiteral("Ёж1"));
            EXPECT_EQ(desktop.beeps, 1);

            // Pasted: the character is replaced in place, the rest kept.
            QApplication::clipboard()->setText(QStringLiteral("a") + foreign + QStringLiteral("b"));
            QTest::keyClick(w, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(TextOf(w), QStringLiteral("Ёж1a?b"));
        }
    }
}

} // namespace
