#include "ZorvikTest.h"

#include "ui/blink/MigTestFormUnit.h"
#include "ui/dialogs/PhoneSetupFormUnit.h"
#include "ui/dialogs/SettingsFromUnit.h"
#include "ui/modules/ModuleEditFormUnit.h"
#include "ui/run/ExerciseFormUnit.h"
#include "ui/run/InputTestDataFormUnit.h"
#include "ui/run/TestFormUnit.h"

#include <QScreen>
#include <functional>
#include <memory>

namespace {

class PlacementTest : public ZorvikTest {};

// The program's windows open in the middle of the screen, wherever their owner stands.
TEST_F(PlacementTest, WindowsOpenCentredOnTheScreen) {
    using Make = std::function<std::unique_ptr<QDialog>(QWidget*)>;
    const std::pair<const char*, Make> windows[] = {
        {"test", [](QWidget* o) { return std::make_unique<TTestForm>(o); }},
        {"exercise", [](QWidget* o) { return std::make_unique<TExerciseForm>(o); }},
        {"data entry", [](QWidget* o) { return std::make_unique<TInputTestDataForm>(o); }},
        {"module editor", [](QWidget* o) { return std::make_unique<TModuleEditForm>(o); }},
        {"settings", [](QWidget* o) { return std::make_unique<TSettingsForm>(o); }},
        {"phone pattern", [](QWidget* o) { return std::make_unique<TPhoneSetupForm>(o); }},
        {"blink test", [](QWidget* o) { return std::make_unique<TMigTestForm>(o); }},
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
