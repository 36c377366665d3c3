#include "ZorvikTest.h"

#include "ui/blink/BlinkTestWindow.h"
#include "ui/dialogs/PhonePatternDialog.h"
#include "ui/dialogs/SettingsDialog.h"
#include "ui/modules/ModuleEditor.h"
#include "ui/run/AnswerEntryDialog.h"
#include "ui/run/ExerciseDialog.h"
#include "ui/run/TestWindow.h"

#include <QScreen>
#include <functional>
#include <memory>

namespace {

class PlacementTest : public ZorvikTest {};

// The program's windows open in the middle of the screen, wherever their owner stands.
TEST_F(PlacementTest, WindowsOpenCentredOnTheScreen) {
    using Make = std::function<std::unique_ptr<QDialog>(QWidget*)>;
    const std::pair<const char*, Make> windows[] = {
        {"test", [](QWidget* o) { return std::make_unique<TestWindow>(o); }},
        {"exercise", [](QWidget* o) { return std::make_unique<ExerciseDialog>(o); }},
        {"data entry", [](QWidget* o) { return std::make_unique<AnswerEntryDialog>(o); }},
        {"module editor", [](QWidget* o) { return std::make_unique<ModuleEditor>(o); }},
        {"settings", [](QWidget* o) { return std::make_unique<SettingsDialog>(o); }},
        {"phone pattern", [](QWidget* o) { return std::make_unique<PhonePatternDialog>(o); }},
        {"blink test", [](QWidget* o) { return std::make_unique<BlinkTestWindow>(o); }},
    };
    QWidget owner;
    owner.setGeometry(10, 10, 200, 150);
    owner.show();
    for (const auto& [name, make] : windows) {
        SCOPED_TRACE(name);
        const std::unique_ptr<QDialog> window = make(&owner);
        window->show();
        const QPoint centre = window->screen()->availableGeometry().center();
        const QPoint shown = window->frameGeometry().center();
        EXPECT_LE((shown - centre).manhattanLength(), 2)
            << shown.x() << "," << shown.y() << " not " << centre.x() << "," << centre.y();
        window->hide();
    }
}

} // namespace
