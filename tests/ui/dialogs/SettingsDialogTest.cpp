#include "SettingsFixture.h"

#include "core/CommaText.h"
#include "core/NameValue.h"
#include "platform/Colors.h"
#include "ui/dialogs/PhonePatternDialog.h"
#include "ui/dialogs/SpinEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

namespace {

class SettingsDialogTest : public SettingsFixture {
protected:
    QStringList Items(const QComboBox* box) const {
        QStringList out;
        for (int i = 0; i < box->count(); ++i)
            out << box->itemText(i);
        return out;
    }
    // The range stored for a module, as its Start and End texts.
    std::pair<QString, QString> StoredRange(const QString& id) const {
        const QStringList inner = CommaText::Read(NameValue::Value(range, id));
        return {NameValue::Value(inner, QStringLiteral("Start")),
                NameValue::Value(inner, QStringLiteral("End"))};
    }
    std::pair<QString, QString> Shown() const {
        return {Child<QComboBox>(*form, "TestBeginRangeComboBox")->currentText(),
                Child<QComboBox>(*form, "TestEndRangeComboBox")->currentText()};
    }
    using Range = std::pair<QString, QString>;
    static Range R(const char* start, const char* end) {
        return {QString::fromUtf8(start), QString::fromUtf8(end)};
    }
};

TEST_F(SettingsDialogTest, ShowsThreePagesAndKeepsTheBlinkPageHidden) {
    SettingsDialog& f = Open();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Настройки"));
    EXPECT_EQ(f.minimumSize(), f.maximumSize()) << "a dialog border cannot be resized";
    ASSERT_EQ(Child<QTabWidget>(f, "PageControl")->count(), 3);
    EXPECT_EQ(Child<QTabWidget>(f, "PageControl")->tabText(0), QStringLiteral("&Общие"));
    EXPECT_EQ(Child<QTabWidget>(f, "PageControl")->tabText(1), QStringLiteral("&Тренировка"));
    EXPECT_EQ(Child<QTabWidget>(f, "PageControl")->tabText(2), QStringLiteral("&Экзамен"));
    EXPECT_EQ(Child<QTabWidget>(f, "PageControl")->currentIndex(), 0);
    EXPECT_EQ(Child<QTabWidget>(f, "PageControl")->indexOf(Child<QWidget>(f, "MigTabSheet")), -1);
    // Its spin edits live on with the dialog and carry their values.
    EXPECT_EQ(Child<SpinEdit>(f, "MigDigWidthSpinEdit")->Value(), 5);
    EXPECT_EQ(Child<SpinEdit>(f, "MigTimeLimitSpinEdit")->Value(), 3000);
    EXPECT_TRUE(f.findChild<QPushButton*>(QStringLiteral("OKButton"))->isDefault());
}

TEST_F(SettingsDialogTest, SpinEditsHaveTheirBoundsAndSteps) {
    SettingsDialog f;
    struct Case {
        SpinEdit* spin;
        int min, max, increment, value;
    };
    const Case cases[] = {
        {Child<SpinEdit>(f, "TestElSpinEdit"), 10, 1000, 10, 20},
        {Child<SpinEdit>(f, "TestTimeLimitSpinEdit"), 500, 12000, 100, 6000},
        {Child<SpinEdit>(f, "ExamElSpinEdit"), 20, 1000, 10, 20},
        {Child<SpinEdit>(f, "MigDigWidthSpinEdit"), 5, 30, 1, 5},
        {Child<SpinEdit>(f, "MigTimeLimitSpinEdit"), 500, 12000, 100, 3000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spin->objectName().toStdString());
        EXPECT_EQ(c.spin->MinValue(), c.min);
        EXPECT_EQ(c.spin->MaxValue(), c.max);
        EXPECT_EQ(c.spin->Increment(), c.increment);
        EXPECT_EQ(c.spin->Value(), c.value);
        EXPECT_FALSE(c.spin->Edit()->accessibleName().isEmpty());
    }
}

TEST_F(SettingsDialogTest, ColourBoxNamesItsColoursAndKeepsAnUnlistedOne) {
    SettingsDialog f;
    QComboBox* box = Child<QComboBox>(f, "BackgroundColorBox");
    EXPECT_EQ(box->count(), 16 + 4 + 30);
    EXPECT_EQ(box->currentText(), QStringLiteral("Поверхность кнопки"));
    EXPECT_EQ(f.BackgroundColor(), static_cast<int>(0xFF00000Fu));

    struct Case {
        int value;
        const char* name;
    };
    const Case cases[] = {
        {0x0000FF, "Красный"},
        {0xFFFFFF, "Белый"},
        {0xC0DCC0, "Денежно-зелёный"},
        {0xA4A0A0, "Средне-серый"},
        {static_cast<int>(0xFF000008u), "Текст окна"},
        {0x123456, "Другой цвет"},
        {0x654321, "Другой цвет"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        f.SetBackgroundColor(c.value);
        EXPECT_EQ(box->currentText(), QString::fromUtf8(c.name));
        EXPECT_EQ(f.BackgroundColor(), c.value);
        EXPECT_FALSE(box->itemIcon(box->currentIndex()).isNull());
    }
    EXPECT_EQ(box->count(), 16 + 4 + 30 + 1) << "one entry for an unlisted colour, reused";
}

TEST_F(SettingsDialogTest, ModuleListShowsDisplayNamesWithPhoneNumbersLast) {
    SettingsDialog& f = Open();
    EXPECT_EQ(Items(Child<QComboBox>(f, "TestDataComboBox")),
              (QStringList{QStringLiteral("Двухзначные числа"), QStringLiteral("Мои слова"),
                           QStringLiteral("Телефонные номера")}));
    EXPECT_EQ(Child<QComboBox>(f, "TestDataComboBox")->currentIndex(), 0);
    EXPECT_EQ(Items(Child<QComboBox>(f, "TestBeginRangeComboBox")),
              (QStringList{QStringLiteral("00"), QStringLiteral("01"), QStringLiteral("02"),
                           QStringLiteral("03"), QStringLiteral("04")}));
    EXPECT_EQ(Shown(), R("00", "04")) << "no stored range shows the whole module";
}

TEST_F(SettingsDialogTest, PhoneNumbersDisableTheRangeAndEachModuleKeepsItsOwn) {
    SettingsDialog& f = Open();
    SelectModule(PhoneNumsId);
    EXPECT_FALSE(Child<QComboBox>(f, "TestBeginRangeComboBox")->isEnabled());
    EXPECT_FALSE(Child<QComboBox>(f, "TestEndRangeComboBox")->isEnabled());
    EXPECT_EQ(Child<QComboBox>(f, "TestBeginRangeComboBox")->count(), 0);
    EXPECT_EQ(Child<QComboBox>(f, "TestEndRangeComboBox")->count(), 0);
    EXPECT_TRUE(range.isEmpty()) << "choosing a module is not choosing a range";

    SelectModule(QStringLiteral("Words"));
    EXPECT_TRUE(Child<QComboBox>(f, "TestBeginRangeComboBox")->isEnabled());
    EXPECT_EQ(Shown(), R("big cat", "Dog"));
    // Re-picking the item already shown stores the range shown.
    Pick(Child<QComboBox>(f, "TestBeginRangeComboBox"), 0);
    EXPECT_EQ(StoredRange(QStringLiteral("Words")), R("big cat", "Dog"));
    // Picking only the begin item stores the end item that was shown, too.
    Pick(Child<QComboBox>(f, "TestBeginRangeComboBox"), 2);
    EXPECT_EQ(StoredRange(QStringLiteral("Words")), R("Кот", "Dog"));

    SelectModule(StandardModule2Digits);
    Pick(Child<QComboBox>(f, "TestEndRangeComboBox"), 2);
    EXPECT_EQ(StoredRange(StandardModule2Digits), R("00", "02"));

    SelectModule(PhoneNumsId);
    SelectModule(QStringLiteral("Words"));
    EXPECT_EQ(Shown(), R("Кот", "Dog"));
    SelectModule(StandardModule2Digits);
    EXPECT_EQ(Shown(), R("00", "02"));
    EXPECT_EQ(range.size(), 2);
    EXPECT_EQ(StoredRange(QStringLiteral("Words")), R("Кот", "Dog"));
}

TEST_F(SettingsDialogTest, StoredRangeTextsAreMatchedIgnoringCase) {
    struct Case {
        const char* start;
        const char* end;
        int begin; // selected positions
        int last;
    };
    const Case cases[] = {
        {"КОТ", "BIG CAT", 2, 0}, // the first of the two equal items
        {"кот", "dog", 2, 4},
        {"zzz", "", 0, 4}, // an end that names no item shows the first or the last
        {"", "SAY \"HI\"", 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        QStringList inner;
        NameValue::SetValue(inner, QStringLiteral("Start"), QString::fromUtf8(c.start));
        NameValue::SetValue(inner, QStringLiteral("End"), QString::fromUtf8(c.end));
        WriteSettings(QStringLiteral("[ZorvikSettings]\nTestDataName=words\nTestRange=") +
                      CommaText::Write({QStringLiteral("Words=") + CommaText::Write(inner)}) +
                      QStringLiteral("\n"));
        SettingsDialog& f = Open();
        EXPECT_EQ(Child<QComboBox>(f, "TestDataComboBox")->currentText(),
                  QStringLiteral("Мои слова"));
        EXPECT_EQ(Child<QComboBox>(f, "TestBeginRangeComboBox")->currentIndex(), c.begin);
        EXPECT_EQ(Child<QComboBox>(f, "TestEndRangeComboBox")->currentIndex(), c.last);
        // Showing a range that names no item does not rewrite it.
        EXPECT_EQ(range.size(), 1);
    }
}

TEST_F(SettingsDialogTest, WithoutAValidModuleNothingIsSelectedAndTheRangeIsOff) {
    ids = QStringList{QStringLiteral("Words"), PhoneNumsId};
    WriteSettings(QStringLiteral("[ZorvikSettings]\nTestDataName=Deleted\n"));
    SettingsDialog& f = Open();
    EXPECT_EQ(Child<QComboBox>(f, "TestDataComboBox")->currentIndex(), -1);
    EXPECT_FALSE(Child<QComboBox>(f, "TestBeginRangeComboBox")->isEnabled());
    EXPECT_EQ(Child<QComboBox>(f, "TestBeginRangeComboBox")->count(), 0);
    f.StoreRange();
    f.FillRangeLists();
    EXPECT_TRUE(range.isEmpty());
    EXPECT_EQ(Child<QComboBox>(f, "TestEndRangeComboBox")->count(), 0);

    // Choosing a module afterwards works as usual.
    SelectModule(QStringLiteral("Words"));
    EXPECT_TRUE(Child<QComboBox>(f, "TestBeginRangeComboBox")->isEnabled());
    EXPECT_EQ(Child<QComboBox>(f, "TestBeginRangeComboBox")->count(), 5);
}

TEST_F(SettingsDialogTest, InfiniteTimeTurnsTheTimeLimitControlsOffFromTheStart) {
    WriteSettings(QStringLiteral("[ZorvikSettings]\nInfiniteTime=1\nTestTimeLimit=7000\n"));
    SettingsDialog& f = Open();
    EXPECT_TRUE(Child<QCheckBox>(f, "InfiniteTimeCheckBox")->isChecked());
    EXPECT_FALSE(Child<QWidget>(f, "TimeLimitRadioGroup")->isEnabled());
    EXPECT_FALSE(Child<QLabel>(f, "Label5")->isEnabled());
    EXPECT_FALSE(Child<SpinEdit>(f, "TestTimeLimitSpinEdit")->Edit()->isEnabled());
    EXPECT_EQ(Child<SpinEdit>(f, "TestTimeLimitSpinEdit")->Value(), 7000) << "kept while disabled";

    Child<QCheckBox>(f, "InfiniteTimeCheckBox")->click();
    EXPECT_TRUE(Child<QWidget>(f, "TimeLimitRadioGroup")->isEnabled());
    EXPECT_TRUE(Child<QLabel>(f, "Label5")->isEnabled());
    EXPECT_TRUE(Child<SpinEdit>(f, "TestTimeLimitSpinEdit")->UpDown()->isEnabled());
}

TEST_F(SettingsDialogTest, FontDialogStartsFromTheStoredFontAndOnlyOkChangesIt) {
    SettingsDialog& f = Open();
    EXPECT_TRUE(f.TestFontText.isEmpty());
    prompts.ExpectFont(false);
    f.FontSampleButtonClick();
    EXPECT_EQ(prompts.Last().text, QStringLiteral("MS Sans Serif"));
    EXPECT_TRUE(f.TestFontText.isEmpty()) << "cancelled";

    f.TestFontText = QStringLiteral("FontName=Arial\r\nFontSize=12\r\nFontColor=-16777208\r\n"
                                    "FontStyleBold=1\r\n");
    QFont chosen(QStringLiteral("Courier New"));
    chosen.setPointSize(20);
    chosen.setItalic(true);
    prompts.ExpectFont(true, chosen);
    f.FontSampleButtonClick();
    EXPECT_EQ(prompts.Last().text, QStringLiteral("Arial"));
    EXPECT_EQ(prompts.Last().initial, QStringLiteral("-16777208"));
    // Bold is gone, and the colour that was not changed keeps its system form.
    EXPECT_EQ(f.TestFontText, QStringLiteral("FontName=Courier New\r\nFontSize=20\r\n"
                                             "FontColor=-16777208\r\nFontStyleItalic=1\r\n"));

    QFont red(QStringLiteral("Courier New"));
    red.setPointSize(20);
    prompts.ExpectFont(true, red, 0x0000FF);
    f.FontSampleButtonClick();
    EXPECT_EQ(f.TestFontText,
              QStringLiteral("FontName=Courier New\r\nFontSize=20\r\nFontColor=255\r\n"));
    // Black picked while the system's window text showed black is the user's black.
    prompts.ExpectFont(true, red, 0x000000);
    f.FontSampleButtonClick();
    EXPECT_EQ(prompts.Last().initial, QStringLiteral("255"));
    EXPECT_EQ(f.TestFontText,
              QStringLiteral("FontName=Courier New\r\nFontSize=20\r\nFontColor=0\r\n"));

    // A family the file cannot hold is refused by name and the font stays as it was.
    prompts.ExpectFont(true, QFont(QStringLiteral("Noto ☎ Sans")), 0xFF0000);
    prompts.ExpectMessage(QMessageBox::Ok);
    f.FontSampleButtonClick();
    EXPECT_TRUE(prompts.Last().text.contains(QStringLiteral("'☎'")));
    EXPECT_EQ(f.TestFontText,
              QStringLiteral("FontName=Courier New\r\nFontSize=20\r\nFontColor=0\r\n"));
}

TEST_F(SettingsDialogTest, PhonePatternIsTakenAsTypedOnlyAfterOk) {
    SettingsDialog& f = Open();
    EXPECT_EQ(f.PhoneFormat, QStringLiteral("000-00-00"));
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        DriveModal([&] { f.PhoneSetupButtonClick(); },
                   [ok](QWidget* modal) {
                       auto* phone = qobject_cast<PhonePatternDialog*>(modal);
                       ASSERT_NE(phone, nullptr);
                       EXPECT_EQ(phone->PhoneEdit()->text(), QStringLiteral("000-00-00"));
                       phone->PhoneEdit()->setText(QStringLiteral("+7 (000) 00"));
                       phone
                           ->findChild<QPushButton*>(ok ? QStringLiteral("OKButton")
                                                        : QStringLiteral("CancelButton"))
                           ->click();
                   });
        EXPECT_EQ(f.PhoneFormat, ok ? QStringLiteral("+7 (000) 00") : QStringLiteral("000-00-00"));
    }
}

} // namespace

namespace {

TEST_F(SettingsDialogTest, TabWalksTheTrainingPageInItsOrder) {
    SettingsDialog& f = Open();
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    Child<QTabWidget>(f, "PageControl")->setCurrentIndex(1);
    Child<SpinEdit>(f, "TestElSpinEdit")->setFocus();
    QStringList walked;
    for (int i = 0; i < 9; ++i) {
        QWidget* w = QApplication::focusWidget();
        ASSERT_NE(w, nullptr);
        // The spin edits take the focus in their text box.
        if (qobject_cast<SpinEdit*>(w->parentWidget()))
            w = w->parentWidget();
        walked << w->objectName();
        QTest::keyClick(w, Qt::Key_Tab);
    }
    EXPECT_EQ(walked,
              (QStringList{
                  QStringLiteral("TestElSpinEdit"), QStringLiteral("TestDataComboBox"),
                  QStringLiteral("TestBeginRangeComboBox"), QStringLiteral("TestEndRangeComboBox"),
                  QStringLiteral("DoCalcCheckBox"), QStringLiteral("ShowCurrentCheckBox"),
                  QStringLiteral("InfiniteTimeCheckBox"), QStringLiteral("TestTimeLimitSpinEdit"),
                  QStringLiteral("TimeLimitFixedRadioButton")}));
}

} // namespace

namespace {

TEST_F(SettingsDialogTest, VoicesOfTheEngineOrWhySpeechIsOff) {
    for (const bool engine : {true, false}) {
        SCOPED_TRACE(engine);
        speaker.voices.error = engine ? QString() : QStringLiteral("Синтезатор речи не найден");
        WriteSettings(QStringLiteral("[ZorvikSettings]\nSpeakItems=1\nSpeakDigits=1\n"));
        SettingsDialog& f = Open();
        auto* box = Child<QComboBox>(f, "VoiceComboBox");
        auto* check = Child<QCheckBox>(f, "SpeakItemsCheckBox");
        EXPECT_EQ(check->isEnabled(), engine);
        EXPECT_EQ(box->isEnabled(), engine);
        EXPECT_EQ(box->accessibleDescription(), speaker.voices.error);
        EXPECT_EQ(Child<QComboBox>(f, "SpeakDigitsComboBox")->currentText(),
                  QStringLiteral("по цифрам"));
        if (engine) {
            // The engine's default is shown while the stored choice (its default) is kept.
            EXPECT_EQ(Items(box), speaker.voices.names);
            EXPECT_EQ(box->currentText(), QStringLiteral("Russian"));
            EXPECT_EQ(f.Values().SpeakVoice, QString());
            Pick(box, 1);
            Child<QPushButton>(f, "ListenButton")->click();
            ASSERT_EQ(speaker.said.size(), 1u);
            EXPECT_EQ(speaker.said[0].text, QStringLiteral("Сорок семь, пятьсот двадцать три"));
            EXPECT_EQ(speaker.said[0].voice, QStringLiteral("Russian+Alex"));
        }
        const SettingsValues v = f.Values();
        EXPECT_TRUE(v.SpeakItems);
        EXPECT_EQ(v.SpeakVoice, engine ? QStringLiteral("Russian+Alex") : QString());
        EXPECT_EQ(v.SpeakDigits, 1);
    }
}

} // namespace
