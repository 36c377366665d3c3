#include "ZorvikTest.h"

void ZorvikTest::SetUp() {
    CoreTest::SetUp();
    SetAppPrompts(&prompts);
    SetAppDesktop(&desktop);
    SetAppSpeaker(&speaker);
}

void ZorvikTest::TearDown() {
    prompts.Verify();
    CoreTest::TearDown();
    SetAppPrompts(nullptr);
    SetAppDesktop(nullptr);
    SetAppSpeaker(nullptr);
}
