#include "platform/Colors.h"

#include <QColor>
#include <gtest/gtest.h>

namespace {

// The files keep explicit colours as 0x00BBGGRR: red sits in the lowest byte.
TEST(Colors, ExplicitColoursAreBlueGreenRed) {
    EXPECT_EQ(ColorFromInt(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ColorToInt(QColor(255, 0, 0)), 0x0000FF);
    EXPECT_FALSE(IsSystemColor(0x0000FF));
}

} // namespace
