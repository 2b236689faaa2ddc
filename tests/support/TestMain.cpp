// Shared runner for every test suite: one QApplication for the whole run, so
// tests can build real widgets. Listing the tests (CTest's discovery step)
// needs no display and therefore creates no application object.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    bool listingOnly = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) listingOnly = true;
    }
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> app;
    if (!listingOnly) app = std::make_unique<QApplication>(argc, argv);
    return RUN_ALL_TESTS();
}
