#include "app/WindowPlacement.h"
#include "profile/MemoryProfileStore.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

WindowPlacement Placement(ShowState show, WindowRect normal, WindowPoint min = {-1, -1},
                          WindowPoint max = {-1, -1}) {
    WindowPlacement p;
    p.showState = show;
    p.normal = normal;
    p.minPosition = min;
    p.maxPosition = max;
    return p;
}

const WindowPlacement kMain = Placement(ShowState::Maximised, {10, 20, 810, 620});
const std::string kMainText = "44,0,3,-1,-1,-1,-1,10,810,20,620"; // left, right, top, bottom
const std::vector<ChildPlacement> kChildren = {
    {WindowType::SkyPlot, Placement(ShowState::Normal, {100, 100, 550, 550})},
    {WindowType::CommandMonitor, Placement(ShowState::Normal, {20, 30, 620, 430})},
    {WindowType::SkyPlot, Placement(ShowState::Minimised, {900, 100, 1350, 550})},
};

std::string Stored(const ProfileStore& profile, std::string_view key) {
    return profile.GetString(kLayoutSection, key, "<absent>");
}

TEST(WindowPlacement, GoldenTextRoundTrip) {
    EXPECT_EQ(FormatPlacement(kMain), kMainText);
    EXPECT_EQ(ParsePlacement(kMainText), kMain);
    const ChildPlacement child{WindowType::SkyPlot,
                               Placement(ShowState::Minimised, {-5, 7, 300, 400}, {1, 2}, {3, 4})};
    EXPECT_EQ(FormatChild(child), "134,44,0,2,1,2,3,4,-5,300,7,400");
    EXPECT_EQ(ParseChild("134,44,0,2,1,2,3,4,-5,300,7,400"), child);
}

TEST(WindowPlacement, ParseTakesExactlyTheRightCountOfDecimalIntegers) {
    struct Case {
        std::string text;
        bool validMain, validChild;
    };
    // 10 numbers, 12 numbers, spaces, signs, empty fields, trailing text, out of range.
    // clang-format off
    const Case cases[] = {
        {kMainText, true, false}, {"130," + kMainText, false, true}, {"", false, false},
        {"-2147483648,0,1,0,0,0,0,0,0,0,2147483647", true, false},
        {"44,0,3,-1,-1,-1,-1,10,810,20", false, false}, {kMainText + ",0", false, true},
        {"130," + kMainText + ",0", false, false}, {kMainText + ",", false, false},
        {"44,,3,-1,-1,-1,-1,10,810,20,620", false, false}, {kMainText + "x", false, false},
        {kMainText + "\n", false, false}, {" " + kMainText, false, false},
        {"44, 0,3,-1,-1,-1,-1,10,810,20,620", false, false},
        {"+44,0,3,-1,-1,-1,-1,10,810,20,620", false, false},
        {"44,0,3,--1,-1,-1,-1,10,810,20,620", false, false},
        {"44,0,3,-,-1,-1,-1,10,810,20,620", false, false},
        {"44,0,3,-1,-1,-1,-1,10,810,20,6.5", false, false},
        {"44,0,3,-1,-1,-1,-1,10,810,20,0x1", false, false},
        {"44,0,3,-1,-1,-1,-1,10,810,20,2147483648", false, false}};
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(ParsePlacement(c.text).has_value(), c.validMain) << '"' << c.text << '"';
        EXPECT_EQ(ParseChild(c.text).has_value(), c.validChild) << '"' << c.text << '"';
    }
}

TEST(WindowPlacement, SaveWritesMinAndMaxPositionsAsMinusOne) {
    for (const auto& [min, max] : {std::pair<WindowPoint, WindowPoint>{{5, 6}, {7, 8}},
                                   {{100000, 100000}, {100000, 100000}},
                                   {{-32000, -32000}, {100001, 5}},
                                   {{3, 200000}, {0, 0}}}) {
        MemoryProfileStore profile;
        const WindowPlacement main = Placement(ShowState::Normal, {1, 2, 3, 4}, min, max);
        SaveLayout(profile, main, {{WindowType::Survey, main}, {WindowType::Ttff, main}});
        EXPECT_EQ(Stored(profile, "Main"), "44,0,1,-1,-1,-1,-1,1,3,2,4") << max.x;
        EXPECT_EQ(Stored(profile, "WINDOW0"), "132,44,0,1,-1,-1,-1,-1,1,3,2,4") << max.x;
        EXPECT_EQ(Stored(profile, "WINDOW1"), "176,44,0,1,-1,-1,-1,-1,1,3,2,4") << max.x;
        EXPECT_EQ(Stored(profile, "WINDOW2"), "<absent>");
        EXPECT_EQ(profile.GetInt(kLayoutSection, "NumOfWindows", -1), 2);
    }
}

// Children are read only under a valid "Main", at most the saved count of
// them, up to the first broken entry.
TEST(WindowPlacement, LoadReadsBackTwoOfOneTypeUpToTheCountOrABrokenEntry) {
    MemoryProfileStore profile;
    SaveLayout(profile, kMain, kChildren);
    EXPECT_EQ(LoadLayout(profile).main, kMain);
    EXPECT_EQ(LoadLayout(profile).children, kChildren);
    profile.SetString(kLayoutSection, "WINDOW1", "150,44,0,1,-1,-1,-1,-1,0,500,0"); // 11 numbers
    EXPECT_EQ(LoadLayout(profile).children, std::vector<ChildPlacement>{kChildren[0]});
    SaveLayout(profile, kMain, {kChildren[1]}); // WINDOW1 and WINDOW2 stay in the profile
    EXPECT_EQ(LoadLayout(profile).children, std::vector<ChildPlacement>{kChildren[1]});
    profile.SetString(kLayoutSection, "Main", "44,0,1,-1");
    EXPECT_FALSE(LoadLayout(profile).main);
    EXPECT_TRUE(LoadLayout(profile).children.empty());
}

} // namespace
