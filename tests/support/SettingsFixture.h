#pragma once

#include "ModalDriver.h"
#include "ZorvikTest.h"

#include "core/ModuleStore.h"
#include "core/Stores.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/main/SettingsTransfer.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <memory>

// A program folder with a standard module and one of the user's, whose items hold blanks, quotes
// and two spellings of one word; and a settings dialog filled from settings.ini as the Settings
// command fills it, but not shown.
class SettingsFixture : public ZorvikTest {
protected:
    void SetUp() override {
        ZorvikTest::SetUp();
        WriteFile(QStringLiteral("Data/modules.ini"),
                  Cp1251Lines(QStringLiteral("[TestNumsData1]\nStandart=1\nName=Двухзначные числа\n"
                                             "Data=00,01,02,03,04\n"
                                             "[Words]\nStandart=0\nName=Мои слова\n"
                                             "Data=\"big cat\",\"say \"\"hi\"\"\",Кот,кот,Dog\n")));
        ids = LoadModuleIds(ModulesIni());
    }

    void WriteSettings(const QString& text) {
        WriteFile(QStringLiteral("settings.ini"), Cp1251Lines(text));
    }

    // A fresh dialog filled from settings.ini, with the range lists filled as Execute fills them.
    SettingsDialog& Open() {
        form = std::make_unique<SettingsDialog>();
        range.clear();
        SettingsTransferIn(*form, ids, range);
        form->Prepare(ids, range);
        return *form;
    }

    void SelectModule(const QString& id) {
        Child<QComboBox>(*form, "TestDataComboBox")
            ->setCurrentIndex(static_cast<int>(ids.indexOf(id)));
    }

    // Picks an entry of a list as the user does: the list reports the pick even when the entry
    // was already shown.
    static void Pick(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        Q_EMIT box->activated(index);
    }

    QStringList ids;
    QStringList range;
    std::unique_ptr<SettingsDialog> form;
};
