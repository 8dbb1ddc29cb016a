#include "config/CommandCatalogue.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

TEST(CommandCatalogue, DefaultCommandsByModelAndIndex) {
    const std::string time = "$PZEKS,ITIM,300,GMT,25,9,1999,16,00,00";
    const struct {
        int model, index;
        std::optional<std::string> command;
    } cases[] = {
        {0, 0, "$PZEKS,RXID,0"}, {2, 29, "$PZEKQ,VERS"}, {1, 19, time},
        {3, 10, time},           {3, 16, "$PZEKQ,VERS"}, {0, 30, std::nullopt},
        {3, 17, std::nullopt},   {0, -1, std::nullopt},  {4, 0, std::nullopt},
        {-1, 0, std::nullopt},   {5, 0, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.model << "/" << c.index);
        EXPECT_EQ(DefaultCommand(c.model, c.index), c.command);
        EXPECT_EQ(HelpTopic(c.model, c.index).empty(), !c.command);
    }
}

// The list shows the texts exactly as the receiver's documentation has them.
TEST(CommandCatalogue, DescriptionsKeepTheirOddSpacingAndEveryCommandIsChecksumFree) {
    const auto a = CatalogueFor(1), b = CatalogueFor(3);
    ASSERT_EQ(a.size(), 30u);
    ASSERT_EQ(b.size(), 17u);
    EXPECT_TRUE(CatalogueFor(4).empty());
    EXPECT_EQ(a[3].description, "MIN & MAX SATELLITES FOR A  POSITION SOLUTION");
    EXPECT_EQ(a[15].description, "RECEIVER DYNAMICS");
    EXPECT_EQ(b[3].description, "DUTY CYCLE MODE TEST CONFIGURATION  (On msec, Off msec)");
    EXPECT_EQ(b[8].description, "RECEIVER DYNAMICS ");
    EXPECT_EQ(b[15].description, "RECEIVER RESET, EHEMERIS (WARM START)");
    for (const auto* catalogue : {&a, &b})
        for (const CatalogueEntry& e : *catalogue) {
            EXPECT_TRUE(e.body.starts_with("S,") || e.body.starts_with("Q,")) << e.body;
            EXPECT_EQ(e.body.find('*'), std::string_view::npos) << e.body;
        }
}

} // namespace
