#include "fire/fire_macro_tables.h"
#include "ui/resource_catalogue.h"

#include <gtest/gtest.h>

namespace orln7a {
namespace {

TEST(FireMacroTablesTest, DefaultsAreWhatTheShippedImagesCarry) {
    const FireMacroTables defaults = DefaultFireMacroTables();
    EXPECT_EQ(defaults.keys[0], (FireMacroKey{0x0E, 0x05, 0x01}));
    EXPECT_EQ(defaults.keys[9], (FireMacroKey{0x0E, 0x05, 0xD9}));
    EXPECT_EQ(defaults.colors[6], (FireMacroColor{0xFF, 0x80, 0x00}));
    for (const char* name : {"ORLN5XData_Cfg1", "ORLN5XData_Cfg2", "ORLN5XData_Cfg3"}) {
        const auto image = DataResourceBytes(name);
        const auto tables = DecodeFireMacroTables(image);
        ASSERT_TRUE(tables) << name;
        EXPECT_EQ(*tables, defaults) << name;
    }
}

TEST(FireMacroTablesTest, EncodeWritesOnlyTheTablesAndDecodesBack) {
    FireMacroTables tables = DefaultFireMacroTables();
    tables.keys[3][0] = kFireKeyTypePlayToEnd;
    tables.yOffsets[4] = YOffsetPair::FromOffset(-7);
    tables.colors[9] = {1, 2, 3};
    Bytes image(2048, 0xAA);
    ASSERT_TRUE(EncodeFireMacroTables(tables, image));

    EXPECT_EQ(image[0x89], 0x0B);
    EXPECT_EQ(image[0xB8], 0xF9);
    EXPECT_EQ(image[0xB9], 0x06);
    EXPECT_EQ(image[0xEB], 1);
    EXPECT_EQ(image[0xED], 3);
    // Bytes between and after the tables belong to no section and are kept.
    for (const std::size_t gap : {0x7F, 0x9E, 0xAF, 0xC4, 0xCF, 0xEE, 0xEF})
        EXPECT_EQ(image[gap], 0xAA) << std::hex << gap;
    EXPECT_EQ(*DecodeFireMacroTables(image), tables);

    Bytes shortImage(0xED, 0);
    EXPECT_FALSE(DecodeFireMacroTables(shortImage));
    EXPECT_FALSE(EncodeFireMacroTables(tables, shortImage));
}

TEST(FireMacroTablesTest, YOffsetIsSignedWithItsComplement) {
    struct Case {
        int offset;
        std::uint8_t value, complement;
        int readBack;
    };
    const Case cases[] = {
        {0, 0x00, 0xFF, 0},     {-1, 0xFF, 0x00, -1},   {-128, 0x80, 0x7F, -128},
        {127, 0x7F, 0x80, 127}, {300, 0x7F, 0x80, 127}, {-999, 0x80, 0x7F, -128},
    };
    for (const auto& c : cases) {
        const auto pair = YOffsetPair::FromOffset(c.offset);
        EXPECT_EQ(pair.value, c.value) << c.offset;
        EXPECT_EQ(pair.complement, c.complement) << c.offset;
        EXPECT_EQ(pair.Offset(), c.readBack) << c.offset;
    }
    EXPECT_EQ((FireMacroColor{0xFF, 0x80, 0x01}.Value()), 0x0180FFu);
}

TEST(FireMacroTablesTest, WriteBlocksGoOutInOrderToTheirAddresses) {
    FireMacroArea area{};
    area[255] = 0x5C;
    const auto blocks = FireMacroWriteBlocks(DefaultFireMacroTables(), area);
    ASSERT_EQ(blocks.size(), 4u);
    const std::pair<std::uint16_t, std::size_t> expected[] = {
        {0x0080, 30}, {0x00B0, 20}, {0x00D0, 30}, {0x0500, 256}};
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(blocks[i].address, expected[i].first);
        EXPECT_EQ(blocks[i].bytes.size(), expected[i].second);
    }
    EXPECT_EQ(blocks[0].bytes[2], 0x01);
    EXPECT_EQ(blocks[1].bytes[1], 0xFF);
    EXPECT_EQ(blocks[3].bytes[255], 0x5C);
}

} // namespace
} // namespace orln7a
