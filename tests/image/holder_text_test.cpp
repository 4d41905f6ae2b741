#include "image/holder_text.h"

#include <gtest/gtest.h>

#include <climits>

namespace orln7a {
namespace {

TEST(HolderText, DecimalNumbers) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"0", 0},
        {"42", 42},
        {"-7", -7},
        {"+7", 7},
        {"007", 7},
        {"", {}},
        {"-", {}},
        {" 1", {}},
        {"1 ", {}},
        {"1e3", {}},
        {"0x10", {}},
        {"--1", {}},
        {"99999999999999999999", INT_MAX},
        {"-99999999999999999999", -INT_MAX},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(ParseHolderNumber(text), value) << '"' << text << '"';
    EXPECT_EQ(ClampedNumber("300", 0, 255), 255);
    EXPECT_EQ(ClampedNumber("-3", 0, 255), 0);
    EXPECT_EQ(ClampedNumber("x", 0, 255), std::nullopt);
}

TEST(HolderText, KeyCodes) {
    EXPECT_EQ(KeyCodeText({0x01, 0xAB, 0x0F}), "01AB0F");
    const std::pair<const char*, std::optional<KeyCode>> cases[] = {
        {"0600F0", KeyCode{0x06, 0x00, 0xF0}},
        {"0a0b0c", KeyCode{0x0A, 0x0B, 0x0C}},
        {"FFFFFF", KeyCode{0xFF, 0xFF, 0xFF}},
        {"", {}},
        {"0600F", {}},
        {"0600F00", {}},
        {"06 0F0", {}},
        {"0G0000", {}},
    };
    for (const auto& [text, code] : cases)
        EXPECT_EQ(KeyCodeFromText(text), code) << text;
}

} // namespace
} // namespace orln7a
