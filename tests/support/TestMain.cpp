// One QApplication for the whole run, so tests can build real widgets.
// Listing the tests (CTest's discovery step) needs no display and no
// application object.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>
#include <optional>

int main(int argc, char** argv) {
    bool listingOnly = false;
    for (int i = 1; i < argc; ++i) listingOnly |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
    ::testing::InitGoogleTest(&argc, argv);
    std::optional<QApplication> app;
    if (!listingOnly) app.emplace(argc, argv);
    return RUN_ALL_TESTS();
}
