#pragma once

#include "core/FontText.h"
#include "core/SettingsValues.h"
#include "platform/Speaker.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <memory>

class QButtonGroup;

namespace Ui {
class SettingsDialog;
}

// The settings dialog. Its opener hands it the stored values (SetValues), calls Execute, and after
// OK takes them back (Values); the dialog itself never touches settings.ini. It reads modules.ini
// only to name the modules and to list the items of the chosen one.
class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SettingsDialog(QWidget* parent = nullptr);
    ~SettingsDialog() override;

    // Keeps both lists by reference (the range table is edited in place by the range lists), fills
    // the range lists for the selected module, shows the dialog modally; true when closed with OK.
    bool Execute(const QStringList& moduleIds, QStringList& rangeTable);
    // Everything Execute does before showing the dialog; tests and Execute share it.
    void Prepare(const QStringList& moduleIds, QStringList& rangeTable);

    // Shows the values; the module list is filled from moduleIds, the stored module (letter case
    // ignored) or else the standard one selected. The range table stays with the opener, which
    // hands it to Execute.
    void SetValues(const SettingsValues& values, const QStringList& moduleIds);
    // The values as the controls hold them, each inside its field's range; TestDataName is null
    // when no valid module is chosen, and RangeTable the table Execute edited.
    SettingsValues Values() const;

    // The phone number pattern, as typed.
    QString PhoneFormat;
    // The test font as font text (lines FontName=, FontSize=, ...).
    QString TestFontText;

    // The background colour box: selecting a value that is none of the listed colours adds it as
    // "Другой цвет", so that it is shown and written back unchanged.
    void SetBackgroundColor(int value);
    int BackgroundColor() const;

    // The two radio groups by item index; -1 when no item is chosen.
    int TimeLimitItemIndex() const;
    void SetTimeLimitItemIndex(int index);
    int ExamTypeItemIndex() const;
    void SetExamTypeItemIndex(int index);

    // Range operations: fill both lists with the selected module's items and select its stored
    // range; store both ends of the shown range into the range table.
    void FillRangeLists();
    void StoreRange();

    // Handlers, public so that tests can run them as the user would.
    void TestDataComboBoxChange();
    void TestBeginRangeComboBoxChange();
    void TestEndRangeComboBoxChange();
    void InfiniteTimeCheckBoxClick();
    void FontSampleButtonClick();
    void PhoneSetupButtonClick();
    // Plays the sample in the chosen voice.
    void ListenButtonClick();

    // The font the font dialog keeps for the dialog's lifetime.
    const FontData& FontDialogFont() const { return m_fontDialogFont; }

private:
    void FormCreate();
    void FillColorBox();
    // The id of the selected module, or empty when no valid entry is selected.
    QString SelectedModuleId() const;
    bool PhoneNumsSelected() const;
    // The engine's voices, or why the spoken items cannot be turned on.
    void FillVoices(const SpeechVoices& voices);
    // The stored voice until the user picks one in the list.
    QString VoiceChoice() const;

    std::unique_ptr<Ui::SettingsDialog> ui;
    QButtonGroup* m_timeLimitGroup = nullptr;
    QButtonGroup* m_examTypeGroup = nullptr;
    const QStringList* m_moduleIds = nullptr;
    // The module list SetValues filled the module box from.
    QStringList m_listedIds;
    QStringList* m_rangeTable = nullptr;
    QStringList m_workList;
    FontData m_fontDialogFont;
    QString m_storedVoice;
    bool m_voiceChosen = false;
};
