#include "ModalDriver.h"
#include "ZorvikTest.h"

#include "core/CommaText.h"
#include "core/Cp1251.h"
#include "core/ModuleTextFile.h"
#include "core/Stores.h"
#include "ui/modules/ModuleEditor.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

const QString kModulesFile = QStringLiteral("Data/modules.ini");
const QString kStandard = QStringLiteral("Двузначные");
const QString kMine = QStringLiteral("Мой");
const QString kOther = QStringLiteral("Другой");

class ModuleEditorTest : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        WriteFile(kModulesFile, Cp1251Lines(QStringLiteral("[TestNumsData1]\nStandart=1\n"
                                                           "Name=Двузначные\nData=00,01,02\n\n"
                                                           "[mine]\nStandart=0\nName=Мой\n"
                                                           "Data=a,\"b c\"\n\n"
                                                           "[Other]\nStandart=0\nName=Другой\n"
                                                           "Data=x\n\n")));
    }

    // Opens the editor as Execute would, without its modal loop.
    std::unique_ptr<ModuleEditor> Open() {
        auto form = std::make_unique<ModuleEditor>();
        form->LoadWorkingCopy();
        return form;
    }
    template <typename T> static T* Child(QWidget* form, const char* name) {
        T* w = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    static QPlainTextEdit* Memo(QWidget* f) { return Child<QPlainTextEdit>(f, "NumsMemo"); }
    static QComboBox* Combo(QWidget* f) { return Child<QComboBox>(f, "ModuleComboBox"); }
    // Chooses a module in the list as the user would.
    static void Select(ModuleEditor& form, const QString& name) {
        const int entry = Combo(&form)->findText(name);
        ASSERT_GE(entry, 0) << name.toStdString();
        Combo(&form)->setCurrentIndex(entry);
        ASSERT_EQ(form.Modules()[static_cast<size_t>(form.SelectedModule())].Name, name);
    }
    static const Module& Selected(const ModuleEditor& form) {
        return form.Modules()[static_cast<size_t>(form.SelectedModule())];
    }
    static QStringList Names(const ModuleEditor& form) {
        QStringList names;
        for (const Module& m : form.Modules())
            names.append(m.Name);
        return names;
    }
    void ExpectWarning(const QString& text) {
        prompts.ExpectMessage([this, text](const PromptCall& call) {
            EXPECT_EQ(call.caption, QStringLiteral("Предупреждение"));
            EXPECT_EQ(call.icon, QMessageBox::Warning);
            EXPECT_EQ(call.text, text);
            return QMessageBox::Ok;
        });
    }
    // An error box whose text names the file and holds the reason.
    void ExpectError(const QString& path, const QString& reason) {
        prompts.ExpectMessage([path, reason](const PromptCall& call) {
            EXPECT_EQ(call.caption, QStringLiteral("Ошибка"));
            EXPECT_EQ(call.icon, QMessageBox::Critical);
            EXPECT_TRUE(call.text.contains(path)) << call.text.toStdString();
            EXPECT_TRUE(call.text.contains(reason)) << call.text.toStdString();
            return QMessageBox::Ok;
        });
    }
};

const QString kStandardWarning =
    QStringLiteral("Этот модуль тестирования является стандартным, все изменения для него будут "
                   "проигнорированы. Для создания нового модуля - нажмите кнопку '+'.");

TEST_F(ModuleEditorTest, OpensSortedWithTheFirstModuleShown) {
    auto form = Open();
    ASSERT_EQ(Combo(form.get())->count(), 3);
    EXPECT_EQ(form->Modules()[0].Id, QStringLiteral("mine"));
    EXPECT_EQ(form->Modules()[1].Id, QStringLiteral("Other"));
    EXPECT_EQ(form->SelectedModule(), 0);
    EXPECT_EQ(Combo(form.get())->currentText(), kMine);
    EXPECT_EQ(Memo(form.get())->toPlainText(), QStringLiteral("a\nb c"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Редактор модулей"));
}

TEST_F(ModuleEditorTest, KeyboardReachesEveryControlAndCommand) {
    auto form = Open();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QStringList order;
    QWidget* w = Combo(form.get());
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order.append(w->objectName());
        w = w->nextInFocusChain();
    } while (w != Combo(form.get()));
    EXPECT_EQ(order, (QStringList{QStringLiteral("ModuleComboBox"), QStringLiteral("NumsMemo"),
                                  QStringLiteral("LoadButton"), QStringLiteral("SaveButton"),
                                  QStringLiteral("OKButton"), QStringLiteral("CancelButton")}));
    // The small buttons take no focus, so they have keys of their own.
    Memo(form.get())->setFocus();
    prompts.ExpectInput(std::nullopt);
    QTest::keyClick(form->windowHandle(), Qt::Key_N, Qt::ControlModifier);
    prompts.Verify();
    prompts.ExpectMessage(QMessageBox::No);
    QTest::keyClick(form->windowHandle(), Qt::Key_D, Qt::ControlModifier);
    prompts.Verify();
    EXPECT_EQ(prompts.Last().caption, QStringLiteral("Подтверждение"));
    EXPECT_EQ(Memo(form.get())->toPlainText(), QStringLiteral("a\nb c"));
}

TEST_F(ModuleEditorTest, TypingIntoAStandardModuleIsWarnedAndUndone) {
    auto form = Open();
    form->show();
    Select(*form, kStandard);
    ExpectWarning(kStandardWarning);
    QTest::keyClick(Memo(form.get()), Qt::Key_5);
    prompts.Verify();
    EXPECT_EQ(Memo(form.get())->toPlainText(), QStringLiteral("00\n01\n02"));
    EXPECT_EQ(Selected(*form).Data, QStringLiteral("00,01,02"));
    // Showing the stored items again was not taken for another edit.
    EXPECT_EQ(prompts.Calls().size(), 1u);
}

TEST_F(ModuleEditorTest, LoadingIntoAStandardModuleIsWarnedAndUndone) {
    WriteFile(QStringLiteral("items.txt"), Cp1251Lines(QStringLiteral("новое\nещё")));
    WriteFile(QStringLiteral("same.txt"), Cp1251Lines(QStringLiteral("00\n01\n02")));
    auto form = Open();
    Select(*form, kStandard);
    prompts.ExpectOpenFile(PathOf(QStringLiteral("items.txt")));
    ExpectWarning(kStandardWarning);
    form->LoadButtonClick();
    prompts.Verify();
    EXPECT_EQ(Memo(form.get())->toPlainText(), QStringLiteral("00\n01\n02"));
    EXPECT_EQ(Selected(*form).Data, QStringLiteral("00,01,02"));
    // A file equal to the memo changes nothing, so there is nothing to warn about.
    prompts.ExpectOpenFile(PathOf(QStringLiteral("same.txt")));
    form->LoadButtonClick();
}

TEST_F(ModuleEditorTest, MemoLinesBecomeItemsAtOnceWithoutBlankLines) {
    auto form = Open();
    form->show();
    Select(*form, kOther);
    Memo(form.get())->setPlainText(QStringLiteral("one\n\n  \t\ntwo words\n  lead\nend"));
    EXPECT_EQ(Selected(*form).Data, QStringLiteral("one,\"two words\",\"  lead\",end"));
    EXPECT_EQ(ModuleItems(Selected(*form)),
              (QStringList{QStringLiteral("one"), QStringLiteral("two words"),
                           QStringLiteral("  lead"), QStringLiteral("end")}));
    const QString before = Selected(*form).Data;
    Memo(form.get())->moveCursor(QTextCursor::End);
    QTest::keyClick(Memo(form.get()), Qt::Key_Return);
    QTest::keyClick(Memo(form.get()), Qt::Key_Space);
    EXPECT_EQ(Selected(*form).Data, before);
    QTest::keyClick(Memo(form.get()), Qt::Key_Z);
    EXPECT_EQ(Selected(*form).Data, before + QStringLiteral(",\" z\""));
    // Another module's items are untouched by the edits.
    EXPECT_EQ(form->Modules()[0].Data, QStringLiteral("a,\"b c\""));
}

TEST_F(ModuleEditorTest, AddingRefusesOnlyExactlyEqualNames) {
    auto form = Open();
    const auto exists = [](const QString& name) {
        return QStringLiteral("Модуль '%1' уже существует. Попробуйте добавить модуль с другим "
                              "именем.")
            .arg(name);
    };
    struct Case {
        QString name;
        bool added;
    };
    const std::vector<Case> cases = {
        {kMine, false},
        {QStringLiteral("мой"), true},
        {QStringLiteral("Мой "), true},
        {QStringLiteral(" Мой"), true},
        {QString(), true},
        {QString(), false},
        {QStringLiteral("Мой "), false},
        {QStringLiteral("%s %d"), true},
    };
    for (const Case& c : cases) {
        const size_t before = form->Modules().size();
        prompts.ExpectInput(c.name);
        if (!c.added)
            ExpectWarning(exists(c.name));
        form->AddSpeedButtonClick();
        prompts.Verify();
        const PromptCall& input = prompts.Calls().front();
        EXPECT_EQ(input.caption, QStringLiteral("Новый модуль тестирования"));
        EXPECT_EQ(input.text, QStringLiteral("Введите названия для нового модуля:"));
        EXPECT_EQ(input.initial, QStringLiteral("Мой новый модуль"));
        prompts.ClearCalls();
        ASSERT_EQ(form->Modules().size(), before + (c.added ? 1 : 0)) << c.name.toStdString();
        if (!c.added)
            continue;
        const Module& added = form->Modules().back();
        EXPECT_EQ(added.Name, c.name);
        EXPECT_FALSE(added.Standart);
        EXPECT_TRUE(added.Data.isEmpty());
        EXPECT_EQ(added.Id.size(), 38);
        EXPECT_EQ(form->SelectedModule(), static_cast<int>(form->Modules().size()) - 1);
        EXPECT_TRUE(Memo(form.get())->toPlainText().isEmpty());
        EXPECT_EQ(form->focusWidget(), Memo(form.get()));
    }
    prompts.ExpectInput(std::nullopt);
    form->AddSpeedButtonClick();
    EXPECT_EQ(form->Modules().size(), 3u + 5u);
}

TEST_F(ModuleEditorTest, DeletingAsksAndThenSelectsTheFirstModule) {
    auto form = Open();
    Select(*form, kStandard);
    ExpectWarning(QStringLiteral("Этот модуль тестирования является стандартным, удалить его "
                                 "нельзя."));
    form->DeleteSpeedButtonClick();
    prompts.Verify();
    EXPECT_EQ(form->Modules().size(), 3u);

    Select(*form, kOther);
    prompts.ExpectMessage([](const PromptCall& call) {
        EXPECT_EQ(call.caption, QStringLiteral("Подтверждение"));
        EXPECT_EQ(call.icon, QMessageBox::Question);
        EXPECT_EQ(call.buttons, QMessageBox::Yes | QMessageBox::No);
        EXPECT_EQ(call.text, QStringLiteral("Вы действительно хотите удалить модуль 'Другой'?"));
        return QMessageBox::No;
    });
    form->DeleteSpeedButtonClick();
    prompts.Verify();
    EXPECT_EQ(form->Modules().size(), 3u);
    EXPECT_EQ(Selected(*form).Name, kOther);

    // Whichever module goes, the first one is selected afterwards.
    for (const QString& name : {kOther, QStringLiteral("Последний")}) {
        if (name != kOther) {
            prompts.ExpectInput(name);
            form->AddSpeedButtonClick();
        }
        Select(*form, name);
        prompts.ExpectMessage(QMessageBox::Yes);
        form->DeleteSpeedButtonClick();
        EXPECT_EQ(Names(*form), (QStringList{kMine, kStandard}));
        EXPECT_EQ(form->SelectedModule(), 0);
        EXPECT_EQ(Combo(form.get())->count(), 2);
        EXPECT_EQ(Combo(form.get())->currentText(), kMine);
    }
    EXPECT_EQ(Memo(form.get())->toPlainText(), QStringLiteral("a\nb c"));
}

TEST_F(ModuleEditorTest, WithNoModuleLeftOnlyAddingIsOffered) {
    WriteFile(kModulesFile, Cp1251Lines(QStringLiteral("[only]\nName=Один\nData=1\n")));
    auto form = Open();
    prompts.ExpectMessage(QMessageBox::Yes);
    form->DeleteSpeedButtonClick();
    prompts.Verify();
    EXPECT_TRUE(form->Modules().empty());
    EXPECT_EQ(form->SelectedModule(), -1);
    EXPECT_EQ(Combo(form.get())->count(), 0);
    EXPECT_TRUE(Memo(form.get())->toPlainText().isEmpty());
    for (const char* name : {"NumsMemo", "DeleteSpeedButton", "LoadButton", "SaveButton"})
        EXPECT_FALSE(Child<QWidget>(form.get(), name)->isEnabled()) << name;
    EXPECT_TRUE(Child<QWidget>(form.get(), "AddSpeedButton")->isEnabled());
    // Handlers reached anyway ask nothing and change nothing.
    prompts.ClearCalls();
    form->DeleteSpeedButtonClick();
    form->LoadButtonClick();
    form->SaveButtonClick();
    form->NumsMemoChange();
    EXPECT_TRUE(prompts.Calls().empty());

    prompts.ExpectInput(QStringLiteral("Новый"));
    form->AddSpeedButtonClick();
    EXPECT_EQ(form->SelectedModule(), 0);
    for (const char* name : {"NumsMemo", "DeleteSpeedButton", "LoadButton", "SaveButton"})
        EXPECT_TRUE(Child<QWidget>(form.get(), name)->isEnabled()) << name;
}

TEST_F(ModuleEditorTest, EmptyStoreOpensWithNothingSelected) {
    QFile::remove(PathOf(kModulesFile));
    ReopenStores();
    auto form = Open();
    EXPECT_EQ(form->SelectedModule(), -1);
    EXPECT_FALSE(Memo(form.get())->isEnabled());
}

TEST_F(ModuleEditorTest, FileLinesEndAtAnyLineBreakAndSaveWithCrLfBetween) {
    WriteFile(QStringLiteral("in.txt"), QByteArray("one\r\ntwo\rthree\nfour\xA0nbsp\n\r\nend"));
    auto form = Open();
    Select(*form, kOther);
    prompts.ExpectOpenFile(PathOf(QStringLiteral("in.txt")));
    form->LoadButtonClick();
    EXPECT_EQ(form->MemoText(), QStringLiteral("one\ntwo\nthree\nfour\u00A0nbsp\n\nend"));
    EXPECT_EQ(ModuleItems(Selected(*form)),
              (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three"),
                           QStringLiteral("four\u00A0nbsp"), QStringLiteral("end")}));

    prompts.ExpectSaveFile(PathOf(QStringLiteral("out.txt")));
    form->SaveButtonClick();
    EXPECT_EQ(ReadFile(QStringLiteral("out.txt")),
              QByteArray("one\r\ntwo\r\nthree\r\nfour\xA0nbsp\r\n\r\nend"));
    const PromptCall& save = prompts.Last();
    EXPECT_EQ(save.text, QStringLiteral("Текстовые файлы (*.txt)"));

    // A last line end in the memo is kept as the memo has it, no more.
    Memo(form.get())->setPlainText(QStringLiteral("Ёж\nкот\n"));
    prompts.ExpectSaveFile(PathOf(QStringLiteral("out.txt")));
    form->SaveButtonClick();
    EXPECT_EQ(ReadFile(QStringLiteral("out.txt")), Cp1251Lines(QStringLiteral("Ёж\nкот\n")));
}

TEST_F(ModuleEditorTest, StandardItemsSavedToAFileLoadIntoANewModule) {
    auto form = Open();
    Select(*form, kStandard);
    prompts.ExpectSaveFile(PathOf(QStringLiteral("std.txt")));
    form->SaveButtonClick();
    prompts.ExpectInput(QStringLiteral("Копия"));
    form->AddSpeedButtonClick();
    prompts.ExpectOpenFile(PathOf(QStringLiteral("std.txt")));
    form->LoadButtonClick();
    EXPECT_EQ(Selected(*form).Name, QStringLiteral("Копия"));
    EXPECT_EQ(Selected(*form).Data, QStringLiteral("00,01,02"));
}

TEST_F(ModuleEditorTest, UnreadableFilesAreReportedAndChangeNothing) {
    WriteFile(QStringLiteral("nul.txt"), QByteArray("ab\0cd", 5));
    WriteFile(QStringLiteral("bin.txt"), QByteArray("\x7F"
                                                    "ELF\x02\x01\x01\x03",
                                                    8));
    WriteFile(QStringLiteral("big.txt"), QByteArray(ModuleTextFile::kMaxBytes + 1, 'a'));
    QDir().mkpath(PathOf(QStringLiteral("folder.txt")));
    const QString notText =
        QStringLiteral("Это не текстовый файл: в нём есть нулевые байты или другие управляющие "
                       "символы.");
    const std::vector<std::pair<QString, QString>> cases = {
        {QStringLiteral("nul.txt"), notText},
        {QStringLiteral("bin.txt"), notText},
        {QStringLiteral("big.txt"),
         QStringLiteral("не более %1 МБ").arg(ModuleTextFile::kMaxBytes >> 20)},
        {QStringLiteral("missing.txt"), QString()},
        {QStringLiteral("folder.txt"), QString()},
    };
    auto form = Open();
    Select(*form, kOther);
    for (const auto& [file, reason] : cases) {
        prompts.ExpectOpenFile(PathOf(file));
        ExpectError(PathOf(file), reason);
        form->LoadButtonClick();
        prompts.Verify();
        EXPECT_TRUE(prompts.Last().text.startsWith(QStringLiteral("Не удалось прочитать файл")));
        EXPECT_EQ(Memo(form.get())->toPlainText(), QStringLiteral("x")) << file.toStdString();
        EXPECT_EQ(Selected(*form).Data, QStringLiteral("x"));
    }
}

TEST_F(ModuleEditorTest, TextTheCodePageCannotHoldIsNotSavedToAFile) {
    WriteFile(QStringLiteral("old.txt"), QByteArray("old"));
    auto form = Open();
    Select(*form, kOther);
    Memo(form.get())->setPlainText(QStringLiteral("кот\n漢字"));
    prompts.ExpectSaveFile(PathOf(QStringLiteral("old.txt")));
    ExpectError(PathOf(QStringLiteral("old.txt")), QStringLiteral("'漢'"));
    form->SaveButtonClick();
    prompts.Verify();
    EXPECT_EQ(ReadFile(QStringLiteral("old.txt")), QByteArray("old"));

    const QString noFolder = PathOf(QStringLiteral("no/such/folder/out.txt"));
    Memo(form.get())->setPlainText(QStringLiteral("кот"));
    prompts.ExpectSaveFile(noFolder);
    ExpectError(noFolder, QString());
    form->SaveButtonClick();
    EXPECT_TRUE(prompts.Last().text.startsWith(QStringLiteral("Не удалось записать файл")));
    EXPECT_EQ(Selected(*form).Data, QStringLiteral("кот"));
}

// Runs Execute with the given action done on the editor once it is shown.
bool ExecuteWith(const std::function<void(ModuleEditor&)>& action) {
    ModuleEditor form;
    bool result = false;
    DriveModal([&] { result = form.Execute(); },
               [&](QWidget* shown) {
                   ASSERT_EQ(shown, &form);
                   action(form);
                   if (form.isVisible())
                       form.reject();
               });
    return result;
}

TEST_F(ModuleEditorTest, CancelLeavesTheFileByteForByte) {
    const QByteArray before = ReadFile(kModulesFile);
    prompts.ExpectInput(QStringLiteral("Новый"));
    prompts.ExpectMessage(QMessageBox::Yes);
    EXPECT_FALSE(ExecuteWith([](ModuleEditor& form) {
        form.AddSpeedButtonClick();
        form.findChild<QPlainTextEdit*>(QStringLiteral("NumsMemo"))
            ->setPlainText(QStringLiteral("1\n2"));
        form.DeleteSpeedButtonClick();
        form.findChild<QPushButton*>(QStringLiteral("CancelButton"))->click();
    }));
    EXPECT_EQ(ReadFile(kModulesFile), before);
    prompts.ExpectInput(QStringLiteral("Ещё"));
    EXPECT_FALSE(ExecuteWith([](ModuleEditor& form) {
        form.AddSpeedButtonClick();
        QTest::keyClick(&form, Qt::Key_Escape);
    }));
    EXPECT_EQ(ReadFile(kModulesFile), before);
}

TEST_F(ModuleEditorTest, OkWritesTheEditorsOrderWithOnlyTheThreeKeys) {
    WriteFile(kModulesFile, Cp1251Lines(QStringLiteral("[b]\nName=Б\nData=1\nExtra=x\n"
                                                       "[A]\nStandart=0x1\nName=А\nData=2\n")));
    QString newId;
    prompts.ExpectInput(QStringLiteral("В"));
    EXPECT_TRUE(ExecuteWith([&](ModuleEditor& form) {
        form.AddSpeedButtonClick();
        newId = form.Modules().back().Id;
        form.findChild<QPlainTextEdit*>(QStringLiteral("NumsMemo"))
            ->setPlainText(QStringLiteral("ёж\nсиний кит"));
        form.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
    }));
    EXPECT_EQ(ReadFile(kModulesFile),
              Cp1251Lines(QStringLiteral("[A]\nStandart=1\nName=А\nData=2\n\n"
                                         "[b]\nStandart=0\nName=Б\nData=1\n\n[") +
                          newId +
                          QStringLiteral("]\nStandart=0\nName=В\nData=ёж,\"синий кит\"\n\n")));
}

TEST_F(ModuleEditorTest, FailedSaveKeepsTheEditorOpenWithNothingLost) {
    auto form = Open();
    form->show();
    Select(*form, kOther);
    Memo(form.get())->setPlainText(QStringLiteral("y"));
    const QByteArray before = ReadFile(kModulesFile);
    QFile::remove(PathOf(kModulesFile));
    ASSERT_TRUE(QDir().mkpath(PathOf(kModulesFile)));
    ExpectError(PathOf(kModulesFile), QString());
    form->OKButtonClick();
    prompts.Verify();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Selected(*form).Data, QStringLiteral("y"));
    EXPECT_EQ(form->Modules().size(), 3u);
    // The store still holds what the disk held.
    EXPECT_EQ(ReadTestModule(ModulesIni(), QStringLiteral("Other")).Data, QStringLiteral("x"));

    ASSERT_TRUE(QDir().rmdir(PathOf(kModulesFile)));
    form->OKButtonClick();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(form->result(), QDialog::Accepted);
    EXPECT_NE(ReadFile(kModulesFile), before);
    EXPECT_EQ(ReadTestModule(ModulesIni(), QStringLiteral("Other")).Data, QStringLiteral("y"));
}

TEST_F(ModuleEditorTest, OkRefusesCharactersTheFileCannotHold) {
    const QByteArray before = ReadFile(kModulesFile);
    auto form = Open();
    form->show();
    Select(*form, kOther);
    Memo(form.get())->setPlainText(QStringLiteral("ok\n漢"));
    Select(*form, kStandard);
    prompts.ExpectMessage([](const PromptCall& call) {
        EXPECT_EQ(call.icon, QMessageBox::Critical);
        EXPECT_TRUE(call.text.contains(QStringLiteral("'Другой'")));
        EXPECT_TRUE(call.text.contains(QStringLiteral("'漢'")));
        return QMessageBox::Ok;
    });
    form->OKButtonClick();
    prompts.Verify();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(Selected(*form).Name, kOther);
    EXPECT_EQ(ReadFile(kModulesFile), before);
}

} // namespace

namespace {

// The real file dialogs, as the editor opens them: a name typed without its extension means the
// ".txt" file of that name, when loading as when saving.
TEST_F(ModuleEditorTest, FileDialogsTakeTxtAsTheDefaultExtension) {
    auto form = Open();
    SetAppPrompts(nullptr);
    for (const bool load : {true, false}) {
        SCOPED_TRACE(load);
        QString suffix;
        QTimer::singleShot(0, qApp, [&suffix] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            suffix = dialog->defaultSuffix();
            dialog->reject();
        });
        load ? form->LoadButtonClick() : form->SaveButtonClick();
        EXPECT_EQ(suffix, QStringLiteral("txt"));
    }
    SetAppPrompts(&prompts);
}

} // namespace
