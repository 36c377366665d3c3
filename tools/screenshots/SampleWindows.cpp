#include "SampleWindows.h"

#include "core/BitsText.h"
#include "core/CommaText.h"
#include "core/History.h"
#include "core/Launch.h"
#include "core/ModuleStore.h"
#include "core/NameValue.h"
#include "core/ResultRecord.h"
#include "core/SettingsKeys.h"
#include "core/Stores.h"
#include "core/TextFormat.h"
#include "platform/FontColorDialog.h"
#include "ui/blink/BlinkTestWindow.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/PhonePatternDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/main/MainWindow.h"
#include "ui/main/SettingsTransfer.h"
#include "ui/modules/ModuleEditor.h"
#include "ui/results/ExamNormsWindow.h"
#include "ui/results/ProgressWindow.h"
#include "ui/results/ResultDetailsWindow.h"
#include "ui/results/TrainingNormsWindow.h"
#include "ui/run/AnswerEntryDialog.h"
#include "ui/run/ExerciseDialog.h"
#include "ui/run/TestWindow.h"

#include <QApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <array>
#include <cmath>

namespace {

// Two-digit items of one sample run and the answers given, three of them wrong.
const QStringList kPresented = {
    QStringLiteral("47"), QStringLiteral("08"), QStringLiteral("93"), QStringLiteral("15"),
    QStringLiteral("62"), QStringLiteral("30"), QStringLiteral("71"), QStringLiteral("24"),
    QStringLiteral("86"), QStringLiteral("59"), QStringLiteral("13"), QStringLiteral("40"),
    QStringLiteral("77"), QStringLiteral("05"), QStringLiteral("68"), QStringLiteral("91"),
    QStringLiteral("36"), QStringLiteral("22"), QStringLiteral("84"), QStringLiteral("50")};
const QStringList kAnswers = {
    QStringLiteral("47"), QStringLiteral("08"), QStringLiteral("93"), QStringLiteral("15"),
    QStringLiteral("62"), QStringLiteral("03"), QStringLiteral("71"), QStringLiteral("24"),
    QStringLiteral("86"), QStringLiteral("59"), QStringLiteral("13"), QStringLiteral("40"),
    QStringLiteral("77"), QStringLiteral(""),   QStringLiteral("68"), QStringLiteral("91"),
    QStringLiteral("63"), QStringLiteral("22"), QStringLiteral("84"), QStringLiteral("50")};
constexpr int kWrong = 3;
constexpr double kMeanSeconds = 4.35;
constexpr DateTime kRunTime = 20 * kMeanSeconds / 86400.0;

QStringList SampleRecord() {
    QStringList record;
    NameValue::SetValue(record, ResultKey::ValidAnswerList, CommaText::Write(kAnswers));
    NameValue::SetValue(record, ResultKey::MyAnswerList, CommaText::Write(kPresented));
    NameValue::SetValue(record, ResultKey::TestDt, FloatToBitsText(kRunTime));
    NameValue::SetValue(record, ResultKey::NumsCnt, QString::number(kPresented.size()));
    NameValue::SetValue(record, ResultKey::OkAnswer, QString::number(kPresented.size() - kWrong));
    NameValue::SetValue(record, ResultKey::BadAnswer, QString::number(kWrong));
    NameValue::SetValue(record, ResultKey::Avg, FloatToBitsText(kMeanSeconds));
    return record;
}

void ShowAndSettle(QWidget& w) {
    w.show();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents();
}

void VisitTestRun(const SampleWindowVisitor& visit) {
    // The test window is built by the main window's own launch, so that it gets the stored colours
    // and font exactly as a real run does; the hook stands in for the modal loop.
    MainWindow main;
    QCoreApplication::sendPostedEvents(&main);
    main.SetRunHook([&visit](TestWindow& form, const LaunchParams& p) {
        if (!form.StartRun(p.run.Items, 5, kInfiniteTimeLimit, p.run.MeanTimeLimit, false, true,
                           false, true, p.run.MaxWrongPercent))
            return 2;
        ShowAndSettle(form);
        visit(QStringLiteral("test-start"), form);
        form.StartTestButtonClick();
        QCoreApplication::sendPostedEvents(&form);
        visit(QStringLiteral("test-item"), form);
        // Through the items with the show-next button, as a user at an unlimited pace would.
        for (int i = 0; i < 10 && form.Engine().CurrentPhase() == TestRunEngine::Phase::Presenting;
             ++i) {
            form.ShowNextButTimerTimer();
            form.ShowNextButtonClick();
            form.Step1TimerTimer();
        }
        QCoreApplication::sendPostedEvents(&form);
        form.findChild<QLineEdit*>(QStringLiteral("AnswerEdit"))->setText(QStringLiteral("47"));
        form.NextElemButtonClick();
        QApplication::processEvents();
        visit(QStringLiteral("test-recall"), form);
        form.hide();
        return 2;
    });
    main.TrainActionExecute();
}

} // namespace

void FillSampleStores() {
    SettingsIni().WriteBool(Settings::Section, Settings::Key::FirstStart, false);
    // Eight exams over a month, getting better with practice.
    constexpr std::array<double, 8> kResults = {3.15, 3.9, 3.6, 4.75, 5.2, 6.05, 5.8, 7.1};
    DateTime date = 46329.78125; // 3 November 2026, 18:45
    for (double result : kResults) {
        SaveExamSection(ResultIni(), SampleRecord(), result, date);
        date += 3.9;
    }
}

// A year of training for the progress window: four or five exams a week, a summer month off,
// results climbing from about 4 to about 25 with the ups and downs of real days.
std::vector<HistoryEntry> SampleYear() {
    std::vector<HistoryEntry> year;
    quint32 seed = 12345;
    const auto noise = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<double>(seed >> 8) / static_cast<double>(1u << 24) - 0.5;
    };
    const DateTime first = 45658.79; // 2 January 2025, about 19:00
    for (int day = 0; day < 365; ++day) {
        if (day % 7 == 2 || day % 7 == 5 || (day >= 200 && day < 228) || noise() > 0.3)
            continue;
        const double level = 4.0 + 21.0 * (1.0 - std::exp(-day / 160.0));
        const double result = std::max(0.0, level + 6.0 * noise());
        year.push_back({NewGuidText(), first + day + 0.1 * noise(),
                        std::round(result * 100.0) / 100.0, StoredExam::Fault::None});
    }
    return year;
}

void VisitSampleWindows(const SampleWindowVisitor& visit, const QString& programFile) {
    {
        MainWindow main;
        QCoreApplication::sendPostedEvents(&main);
        main.resize(1100, 620);
        ShowAndSettle(main);
        visit(QStringLiteral("main"), main);
    }
    {
        const std::vector<HistoryEntry> year = SampleYear();
        ProgressWindow form(year);
        form.resize(1000, 700);
        ShowAndSettle(form);
        visit(QStringLiteral("progress"), form);
    }
    VisitTestRun(visit);
    {
        ExerciseDialog form;
        form.Setup();
        ShowAndSettle(form);
        visit(QStringLiteral("exercise"), form);
        form.hide();
    }
    {
        AnswerEntryDialog form;
        ShowAndSettle(form);
        visit(QStringLiteral("data-entry"), form);
        form.hide();
    }
    {
        ResultDetailsWindow form;
        form.FillResult(kAnswers, kPresented, false, 7.1, kMeanSeconds, kWrong,
                        static_cast<int>(kPresented.size()) - kWrong,
                        static_cast<int>(kPresented.size()), kRunTime);
        ShowAndSettle(form);
        visit(QStringLiteral("details"), form);
    }
    {
        ExamNormsWindow form;
        ShowAndSettle(form);
        visit(QStringLiteral("norms"), form);
    }
    {
        TrainingNormsWindow form;
        ShowAndSettle(form);
        visit(QStringLiteral("norms-training"), form);
    }
    {
        const QStringList ids = LoadModuleIds(ModulesIni());
        QStringList range;
        SettingsDialog form;
        SettingsTransferIn(form, ids, range);
        form.Prepare(ids, range);
        ShowAndSettle(form);
        // The blink test's page is taken out of the dialog, as its command is hidden.
        const std::array<const char*, 3> pages = {"settings", "settings-training", "settings-exam"};
        for (int i = 0; i < form.findChild<QTabWidget*>(QStringLiteral("PageControl"))->count() &&
                        i < static_cast<int>(pages.size());
             ++i) {
            form.findChild<QTabWidget*>(QStringLiteral("PageControl"))->setCurrentIndex(i);
            QApplication::processEvents();
            visit(QString::fromLatin1(pages.at(static_cast<std::size_t>(i))), form);
        }
    }
    {
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPointSize(28);
        FontColorDialog form(nullptr, font, 0x800000);
        ShowAndSettle(form);
        visit(QStringLiteral("font"), form);
    }
    {
        PhonePatternDialog form;
        ShowAndSettle(form);
        visit(QStringLiteral("phone"), form);
    }
    {
        ModuleEditor form;
        form.LoadWorkingCopy();
        ShowAndSettle(form);
        visit(QStringLiteral("modules"), form);
    }
    {
        BlinkTestWindow form;
        form.SetDigitCount(Settings::MigDigWidth(SettingsIni()));
        form.SetDisplayTime(Settings::MigTimeLimit(SettingsIni()));
        ShowAndSettle(form);
        visit(QStringLiteral("blink"), form);
    }
    {
        AboutDialog form(nullptr, programFile);
        ShowAndSettle(form);
        visit(QStringLiteral("about"), form);
    }
}
