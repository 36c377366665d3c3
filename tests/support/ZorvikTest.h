#pragma once

#include "CoreTest.h"
#include "RecordingDesktop.h"
#include "RecordingSpeaker.h"
#include "ScriptedPrompts.h"

// A window's control found by its name, as a person or a screen reader finds it; the test fails
// when there is none.
template <typename T> T* Child(const QObject& window, const char* name) {
    T* child = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Base fixture of the window tests: the core fixture plus scripted prompts, a recording desktop and
// a recording speaker. Unanswered expected prompts fail the test.
class ZorvikTest : public CoreTest {
protected:
    void SetUp() override;
    void TearDown() override;

    ScriptedPrompts prompts;
    RecordingDesktop desktop;
    RecordingSpeaker speaker;
};
