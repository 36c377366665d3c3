#include "ui/dialogs/SettingsDialog.h"

#include "core/CommaText.h"
#include "core/Cp1251.h"
#include "core/Launch.h"
#include "core/Messages.h"
#include "core/ModuleStore.h"
#include "core/NameValue.h"
#include "core/Stores.h"
#include "core/TextFormat.h"
#include "platform/Colors.h"
#include "platform/Fonts.h"
#include "platform/Prompts.h"
#include "platform/WindowPlacement.h"
#include "ui/dialogs/PhonePatternDialog.h"
#include "ui/dialogs/SpinEdit.h"
#include "ui_SettingsDialog.h"

#include <QButtonGroup>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>
#include <algorithm>
#include <array>

namespace {

// Explicit colours in the file's form 0x00BBGGRR.
constexpr const auto& kStandardColors = StandardColors;
constexpr std::array<int, 4> kExtendedColors = {0xC0DCC0, 0xF0CAA6, 0xF0FBFF, 0xA4A0A0};
constexpr int kSystemColorCount = 31;
constexpr int kNoSystemColor = 25;
constexpr int kButtonFace = static_cast<int>(0xFF00000Fu);

int indexOfText(const QComboBox* box, const QString& text) {
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i).compare(text, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void setGroupIndex(QButtonGroup* group, int index) {
    const auto buttons = group->buttons();
    if (index >= buttons.size())
        index = static_cast<int>(buttons.size()) - 1;
    if (index < 0) {
        // An exclusive group refuses to clear its last checked button.
        group->setExclusive(false);
        for (QAbstractButton* b : buttons)
            b->setChecked(false);
        group->setExclusive(true);
        return;
    }
    group->button(index)->setChecked(true);
}

} // namespace

SettingsDialog::SettingsDialog(QWidget* parent)
    : QDialog(parent), ui(std::make_unique<Ui::SettingsDialog>()) {
    ui->setupUi(this);
    OpenCentredOnScreen(this);
    FormCreate();
    // A dialog border: the size is the layout's, not the user's.
    setFixedSize(size().expandedTo(sizeHint()));
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::FormCreate() {
    m_workList.clear();
    m_fontDialogFont = FontData{};
    m_fontDialogFont.name = QStringLiteral("MS Sans Serif");
    m_fontDialogFont.size = 8;
    m_fontDialogFont.color = static_cast<int>(0xFF000008u); // window text

    // The blink test page is never shown, but its spin edits stay and carry their values.
    ui->PageControl->removeTab(ui->PageControl->indexOf(ui->MigTabSheet));
    ui->PageControl->setCurrentIndex(0);

    m_timeLimitGroup = new QButtonGroup(this);
    m_timeLimitGroup->addButton(ui->TimeLimitFixedRadioButton, 0);
    m_timeLimitGroup->addButton(ui->TimeLimitMeanRadioButton, 1);
    m_examTypeGroup = new QButtonGroup(this);
    m_examTypeGroup->addButton(ui->ExamTwoDigitRadioButton, 0);
    m_examTypeGroup->addButton(ui->ExamThreeDigitRadioButton, 1);
    SetTimeLimitItemIndex(0);
    SetExamTypeItemIndex(0);

    FillColorBox();
    SetBackgroundColor(kButtonFace);

    connect(ui->TestDataComboBox, &QComboBox::currentIndexChanged, this,
            [this] { TestDataComboBoxChange(); });
    // A range is stored when the user picks an item, also the one already shown.
    connect(ui->TestBeginRangeComboBox, &QComboBox::activated, this,
            [this] { TestBeginRangeComboBoxChange(); });
    connect(ui->TestEndRangeComboBox, &QComboBox::activated, this,
            [this] { TestEndRangeComboBoxChange(); });
    connect(ui->InfiniteTimeCheckBox, &QCheckBox::toggled, this,
            [this] { InfiniteTimeCheckBoxClick(); });
    connect(ui->FontSampleButton, &QPushButton::clicked, this, [this] { FontSampleButtonClick(); });
    connect(ui->PhoneSetupButton, &QPushButton::clicked, this, [this] { PhoneSetupButtonClick(); });
    connect(ui->ListenButton, &QPushButton::clicked, this, [this] { ListenButtonClick(); });
    connect(ui->VoiceComboBox, &QComboBox::activated, this, [this] { m_voiceChosen = true; });
    // The engine may answer long after the dialog opened, or fail while it is open.
    connect(&AppSpeaker(), &Speaker::VoicesListed, this, &SettingsDialog::FillVoices);
    connect(&AppSpeaker(), &Speaker::Failed, this, [this](const QString& reason) {
        SpeechVoices none;
        none.error = reason;
        FillVoices(none);
    });
    for (QWidget* w :
         {static_cast<QWidget*>(ui->VoiceComboBox), static_cast<QWidget*>(ui->ListenButton)}) {
        w->setEnabled(false);
        w->setAccessibleDescription(Messages::VoicesLoading);
    }
    connect(ui->OKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    // Until Execute hands over the module list no entry can be told apart from another.
    TestDataComboBoxChange();
}

void SettingsDialog::FillColorBox() {
    QComboBox* box = ui->BackgroundColorBox;
    const QSignalBlocker blocker(box);
    box->clear();
    for (std::size_t i = 0; i < kStandardColors.size(); ++i)
        box->addItem(ColorSample(kStandardColors[i]), Messages::StandardColorNames[i],
                     kStandardColors[i]);
    for (std::size_t i = 0; i < kExtendedColors.size(); ++i)
        box->addItem(ColorSample(kExtendedColors[i]), Messages::ExtendedColorNames[i],
                     kExtendedColors[i]);
    for (int n = 0; n < kSystemColorCount; ++n) {
        if (n == kNoSystemColor)
            continue;
        const int value = static_cast<int>(0xFF000000u | static_cast<unsigned>(n));
        box->addItem(ColorSample(value), Messages::SystemColorNames[n], value);
    }
}

void SettingsDialog::SetBackgroundColor(int value) {
    QComboBox* box = ui->BackgroundColorBox;
    int index = box->findData(value);
    if (index < 0) {
        // A colour none of the entries names (a hand-edited file, another palette): show it as
        // its own entry so that OK writes it back unchanged. There is at most one such entry.
        const int other = box->findText(Messages::OtherColorName, Qt::MatchExactly);
        if (other >= 0)
            box->removeItem(other);
        box->addItem(ColorSample(value), Messages::OtherColorName, value);
        index = box->count() - 1;
    }
    box->setCurrentIndex(index);
}

int SettingsDialog::BackgroundColor() const {
    const QVariant data = ui->BackgroundColorBox->currentData();
    return data.isValid() ? data.toInt() : kButtonFace;
}

void SettingsDialog::SetValues(const SettingsValues& v, const QStringList& moduleIds) {
    SetBackgroundColor(v.BackgroundColor);
    PhoneFormat = v.PhoneFormat;
    TestFontText = v.TestFontText;
    ui->TestElSpinEdit->SetValue(v.TestElValue);
    m_listedIds = moduleIds;
    {
        // The module list is handed over by Execute; until then a selection means nothing.
        const QSignalBlocker blocker(ui->TestDataComboBox);
        ui->TestDataComboBox->clear();
        for (const QString& id : moduleIds)
            ui->TestDataComboBox->addItem(ModuleDisplayName(ModulesIni(), id));
        int index = static_cast<int>(moduleIds.indexOf(StandardModule2Digits));
        for (int i = 0; i < moduleIds.size(); ++i) {
            if (moduleIds[i].compare(v.TestDataName, Qt::CaseInsensitive) == 0) {
                index = i;
                break;
            }
        }
        // Neither the stored module nor the standard one: nothing is selected.
        ui->TestDataComboBox->setCurrentIndex(index);
    }
    ui->TestTimeLimitSpinEdit->SetValue(v.TestTimeLimit);
    ui->DoCalcCheckBox->setChecked(v.DoCalc);
    ui->InfiniteTimeCheckBox->setChecked(v.InfiniteTime);
    ui->ShowCurrentCheckBox->setChecked(v.ShowCurrent);
    ui->ExamElSpinEdit->SetValue(v.ExamElValue);
    SetExamTypeItemIndex(v.ExamDataType);
    SetTimeLimitItemIndex(v.TestTimeLimitType);
    ui->MigDigWidthSpinEdit->SetValue(v.MigDigWidth);
    ui->MigTimeLimitSpinEdit->SetValue(v.MigTimeLimit);
    ui->SpeakItemsCheckBox->setChecked(v.SpeakItems);
    m_storedVoice = v.SpeakVoice;
    m_voiceChosen = false;
    ui->SpeakDigitsComboBox->setCurrentIndex(v.SpeakDigits == 0 ? 0 : 1);
}

SettingsValues SettingsDialog::Values() const {
    SettingsValues v;
    v.BackgroundColor = BackgroundColor();
    v.PhoneFormat = PhoneFormat;
    v.TestTimeLimitType = std::max(0, TimeLimitItemIndex());
    v.TestFontText = TestFontText;
    v.TestElValue = ui->TestElSpinEdit->Value();
    const int index = ui->TestDataComboBox->currentIndex();
    v.TestDataName = index >= 0 && index < m_listedIds.size() ? m_listedIds[index] : QString();
    v.TestTimeLimit = ui->TestTimeLimitSpinEdit->Value();
    v.DoCalc = ui->DoCalcCheckBox->isChecked();
    v.InfiniteTime = ui->InfiniteTimeCheckBox->isChecked();
    v.ShowCurrent = ui->ShowCurrentCheckBox->isChecked();
    v.ExamElValue = ui->ExamElSpinEdit->Value();
    v.ExamDataType = ExamTypeItemIndex() == 0 ? 0 : 1;
    v.RangeTable = m_rangeTable != nullptr ? *m_rangeTable : QStringList();
    v.MigDigWidth = ui->MigDigWidthSpinEdit->Value();
    v.MigTimeLimit = ui->MigTimeLimitSpinEdit->Value();
    v.SpeakItems = ui->SpeakItemsCheckBox->isChecked();
    v.SpeakVoice = VoiceChoice();
    v.SpeakDigits = ui->SpeakDigitsComboBox->currentIndex() == 1 ? 1 : 0;
    return v;
}

int SettingsDialog::TimeLimitItemIndex() const {
    return m_timeLimitGroup->checkedId();
}

void SettingsDialog::SetTimeLimitItemIndex(int index) {
    setGroupIndex(m_timeLimitGroup, index);
}

int SettingsDialog::ExamTypeItemIndex() const {
    return m_examTypeGroup->checkedId();
}

void SettingsDialog::SetExamTypeItemIndex(int index) {
    setGroupIndex(m_examTypeGroup, index);
}

bool SettingsDialog::Execute(const QStringList& moduleIds, QStringList& rangeTable) {
    Prepare(moduleIds, rangeTable);
    return exec() == QDialog::Accepted;
}

void SettingsDialog::Prepare(const QStringList& moduleIds, QStringList& rangeTable) {
    m_moduleIds = &moduleIds;
    m_rangeTable = &rangeTable;
    ui->PageControl->setCurrentIndex(0);
    TestDataComboBoxChange();
    // Listing the voices is what starts the engine, and only this dialog needs them.
    AppSpeaker().ListVoices();
}

QString SettingsDialog::SelectedModuleId() const {
    const int index = ui->TestDataComboBox->currentIndex();
    if (m_moduleIds == nullptr || index < 0 || index >= m_moduleIds->size())
        return {};
    return m_moduleIds->at(index);
}

bool SettingsDialog::PhoneNumsSelected() const {
    return SelectedModuleId() == PhoneNumsId;
}

void SettingsDialog::TestDataComboBoxChange() {
    // Filling the lists is not the user's choice of a range: their handlers stay detached until
    // the end, also when reading the module fails.
    const QSignalBlocker beginBlocker(ui->TestBeginRangeComboBox);
    const QSignalBlocker endBlocker(ui->TestEndRangeComboBox);
    // With no valid module selected there is nothing to choose a range of.
    const bool hasRange = !SelectedModuleId().isEmpty() && !PhoneNumsSelected();
    ui->TestBeginRangeComboBox->setEnabled(hasRange);
    ui->TestEndRangeComboBox->setEnabled(hasRange);
    if (hasRange) {
        FillRangeLists();
    } else {
        ui->TestBeginRangeComboBox->clear();
        ui->TestEndRangeComboBox->clear();
    }
}

void SettingsDialog::FillRangeLists() {
    QComboBox* begin = ui->TestBeginRangeComboBox;
    QComboBox* end = ui->TestEndRangeComboBox;
    const QSignalBlocker beginBlocker(begin);
    const QSignalBlocker endBlocker(end);

    m_workList.clear();
    const QString id = SelectedModuleId();
    begin->clear();
    end->clear();
    if (id.isEmpty())
        return;
    m_workList = CommaText::Read(ModulesIni().ReadString(id, QStringLiteral("Data"), QString()));
    begin->addItems(m_workList);
    end->addItems(m_workList);

    const ModuleRange range = m_rangeTable != nullptr ? RangeOf(*m_rangeTable, id) : ModuleRange{};
    const int first = indexOfText(begin, range.start);
    const int last = indexOfText(end, range.end);
    begin->setCurrentIndex(first >= 0 ? first : (begin->count() > 0 ? 0 : -1));
    end->setCurrentIndex(last >= 0 ? last : end->count() - 1);
}

void SettingsDialog::StoreRange() {
    const QString id = SelectedModuleId();
    if (id.isEmpty() || PhoneNumsSelected() || m_rangeTable == nullptr)
        return;
    SetRangeOf(
        *m_rangeTable, id,
        {ui->TestBeginRangeComboBox->currentText(), ui->TestEndRangeComboBox->currentText()});
}

void SettingsDialog::TestBeginRangeComboBoxChange() {
    StoreRange();
}

void SettingsDialog::TestEndRangeComboBoxChange() {
    StoreRange();
}

void SettingsDialog::InfiniteTimeCheckBoxClick() {
    const bool limited = !ui->InfiniteTimeCheckBox->isChecked();
    ui->TimeLimitRadioGroup->setEnabled(limited);
    ui->Label5->setEnabled(limited);
    ui->TestTimeLimitSpinEdit->SetEnabled(limited);
}

void SettingsDialog::FontSampleButtonClick() {
    IniTextToFont(m_fontDialogFont, TestFontText);
    // The dialog offers the font as the test window will show it.
    QFont font = FontFromData(m_fontDialogFont);
    int color = m_fontDialogFont.color;
    if (!AppPrompts().ChooseFont(this, font, color))
        return;
    // The family is stored by name: one the code page cannot hold could never be saved.
    QString bad;
    if (!cp1251::canEncode(font.family(), &bad)) {
        ShowError(this, Format(Messages::FontNameNotInCodePage, {font.family(), bad}));
        return;
    }
    if (!font.family().isEmpty())
        m_fontDialogFont.name = font.family();
    if (font.pointSize() > 0)
        m_fontDialogFont.size = font.pointSize();
    m_fontDialogFont.bold = font.bold();
    m_fontDialogFont.italic = font.italic();
    m_fontDialogFont.underline = font.underline();
    m_fontDialogFont.strikeOut = font.strikeOut();
    m_fontDialogFont.color = color;
    TestFontText = FontToIniText(m_fontDialogFont);
}

void SettingsDialog::PhoneSetupButtonClick() {
    PhonePatternDialog dialog(this);
    dialog.PhoneEdit()->setText(PhoneFormat);
    if (dialog.exec() == QDialog::Accepted)
        PhoneFormat = dialog.PhoneEdit()->text();
}

void SettingsDialog::FillVoices(const SpeechVoices& voices) {
    QComboBox* box = ui->VoiceComboBox;
    const QSignalBlocker blocker(box);
    box->clear();
    const bool usable = voices.error.isEmpty();
    // The values stay as stored while the controls are off, and OK writes them back unchanged.
    for (QWidget* w : {static_cast<QWidget*>(ui->SpeakItemsCheckBox), static_cast<QWidget*>(box),
                       static_cast<QWidget*>(ui->ListenButton),
                       static_cast<QWidget*>(ui->SpeakDigitsComboBox)}) {
        w->setEnabled(usable);
        w->setAccessibleDescription(voices.error);
        w->setToolTip(voices.error);
    }
    if (!usable)
        return;
    box->addItems(voices.names);
    int index = box->findText(m_storedVoice.isEmpty() ? voices.defaultName : m_storedVoice,
                              Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0 && !m_storedVoice.isEmpty()) {
        // A voice the engine no longer offers is shown as stored, so that OK keeps it.
        box->insertItem(0, m_storedVoice);
        index = 0;
    }
    box->setCurrentIndex(index);
}

QString SettingsDialog::VoiceChoice() const {
    return m_voiceChosen ? ui->VoiceComboBox->currentText() : m_storedVoice;
}

void SettingsDialog::ListenButtonClick() {
    AppSpeaker().Say(Messages::VoiceSample, VoiceChoice());
}
