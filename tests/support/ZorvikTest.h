#pragma once

#include "CoreTest.h"
#include "RecordingDesktop.h"
#include "ScriptedPrompts.h"

// Base fixture of the window tests: the core fixture plus scripted prompts and a recording
// desktop. Unanswered expected prompts fail the test.
class ZorvikTest : public CoreTest {
protected:
    void SetUp() override;
    void TearDown() override;

    ScriptedPrompts prompts;
    RecordingDesktop desktop;
};
