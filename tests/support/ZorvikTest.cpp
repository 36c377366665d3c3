#include "ZorvikTest.h"

void ZorvikTest::SetUp() {
    CoreTest::SetUp();
    SetAppPrompts(&prompts);
    SetAppDesktop(&desktop);
}

void ZorvikTest::TearDown() {
    prompts.Verify();
    CoreTest::TearDown();
    SetAppPrompts(nullptr);
    SetAppDesktop(nullptr);
}
