// The layout of a resizable window's controls: buttons that keep their distance to the right and
// bottom edges, a grid that keeps its top-left corner and grows with the window.
#include <gtest/gtest.h>

#include "platform/ui/SLayoutMap.h"
#include "platform/ui/SWnd.h"

namespace {

// A window of 238 x 137 with a grid and three buttons placed as in the layout dialogs.
class SLayoutMapTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create("#32770", "Layout", WS_POPUP, RECT{0, 0, 238, 137}, nullptr, 0));
        grid.Create("STATIC", "", WS_CHILD, RECT{6, 6, 232, 111}, &window, 1137);
        ok.Create("BUTTON", "OK", WS_CHILD, RECT{73, 117, 123, 131}, &window, 1);
        cancel.Create("BUTTON", "Cancel", WS_CHILD, RECT{127, 117, 177, 131}, &window, 2);
        help.Create("BUTTON", "Help", WS_CHILD, RECT{182, 117, 232, 131}, &window, 9);
    }
    void TearDown() override { window.DestroyWindow(); }

    SWnd window, grid, ok, cancel, help;
};

// The buttons follow the right and bottom edges; the grid stretches to both.
const SLayoutEntry kLayout[] = {
    {1, 3, 0, 3, 1},    {2, 3, 0, 3, 1},    {9, 3, 0, 3, 1},    {1, 4, 0, 4, 1},    {2, 4, 0, 4, 1},
    {9, 4, 0, 4, 1},    {1137, 9, 0, 3, 1}, {1137, 10, 0, 4, 1}, {0, 0, 0, 0, 0},
};

}  // namespace

TEST_F(SLayoutMapTest, ButtonsKeepTheirCornerAndTheGridGrowsWithTheWindow) {
    SLayoutMap layout;
    EXPECT_FALSE(layout.IsInitialized());
    layout.Initialize(&window, kLayout);
    EXPECT_TRUE(layout.IsInitialized());

    layout.Resize(338, 187);
    EXPECT_EQ(ok.GetWindowRect(), (RECT{173, 167, 223, 181}));
    EXPECT_EQ(cancel.GetWindowRect(), (RECT{227, 167, 277, 181}));
    EXPECT_EQ(help.GetWindowRect(), (RECT{282, 167, 332, 181}));
    EXPECT_EQ(grid.GetWindowRect(), (RECT{6, 6, 332, 161}));

    // Each size is laid out from the starting layout, also when the window shrinks.
    layout.Resize(200, 120);
    EXPECT_EQ(help.GetWindowRect(), (RECT{144, 100, 194, 114}));
    EXPECT_EQ(grid.GetWindowRect(), (RECT{6, 6, 194, 94}));
    layout.Resize(238, 137);
    EXPECT_EQ(ok.GetWindowRect(), (RECT{73, 117, 123, 131}));
    EXPECT_EQ(grid.GetWindowRect(), (RECT{6, 6, 232, 111}));
}

TEST_F(SLayoutMapTest, ControlsFollowAnotherControlByTheFactorAndMissingControlsAreSkipped) {
    const SLayoutEntry entries[] = {
        {1137, 9, 0, 3, 1},  // the grid widens with the window
        {9, 3, 1137, 9, 1},  // Help follows the grid's right edge
        {2, 4, 0, 4, 2},     // Cancel moves down twice as far as the bottom edge
        {1, 4, 0, 4, 0},     // OK stays
        {4242, 3, 0, 3, 1},  // no such control
        {0, 0, 0, 0, 0},
        {1, 3, 0, 3, 1},     // after the end: not read
    };
    SLayoutMap layout;
    layout.Initialize(&window, entries);
    layout.Resize(258, 147);
    EXPECT_EQ(grid.GetWindowRect(), (RECT{6, 6, 252, 111}));
    EXPECT_EQ(help.GetWindowRect(), (RECT{202, 117, 252, 131}));
    EXPECT_EQ(cancel.GetWindowRect(), (RECT{127, 137, 177, 151}));
    EXPECT_EQ(ok.GetWindowRect(), (RECT{73, 117, 123, 131}));
}

TEST_F(SLayoutMapTest, AMapWithoutAWindowDoesNothing) {
    SLayoutMap layout;
    SWnd notMade;
    layout.Initialize(&notMade, kLayout);
    EXPECT_FALSE(layout.IsInitialized());
    layout.Resize(400, 400);
    layout.Initialize(nullptr, kLayout);
    EXPECT_FALSE(layout.IsInitialized());
    EXPECT_EQ(ok.GetWindowRect(), (RECT{73, 117, 123, 131}));
}
