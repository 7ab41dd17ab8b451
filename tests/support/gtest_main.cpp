// Shared main for tests without a QApplication.
#include "test_home.h"

#include <gtest/gtest.h>

int main(int argc, char **argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // gtest owns the listener from here on.
    testing::UnitTest::GetInstance()->listeners().Append(new test_home::FreshHome);
    return RUN_ALL_TESTS();
}
