#include "keys/usage_tables.h"

#include <gtest/gtest.h>

#include <set>

namespace orln7a {
namespace {

TEST(UsageTables, NamesOfUsages) {
    const struct {
        int usage;
        std::string_view name;
    } cases[] = {
        {4, "A"},
        {29, "Z"},
        {30, "1"},
        {38, "9"},
        {39, "0"},
        {44, "Space bar"},
        {45, "OEM_Minus"},
        {49, "OEM_5"},
        {51, "OEM_1"},
        {56, "OEM_2"},
        {58, "F1"},
        {69, "F12"},
        {79, "Right Arrow"},
        {82, "Up Arrow"},
        {88, "Separator (numeric pad)"},
        {89, "1 (numeric pad)"},
        {97, "9 (numeric pad)"},
        {98, "0 (numeric pad)"},
        {99, "Decimal (numeric pad)"},
        {101, "Applications"},
        {104, "F13"},
        {115, "F24"},
        {156, "Clear"},
        {192, "Media_Next_Track"},
        {206, "Browser_Favorites"},
        {209, "Launch_Media_Select"},
        {224, "Left Ctrl"},
        {227, "Win"},
        {229, "Right Shift"},
        {231, "Win"},
        // Usages without a name.
        {0, ""},
        {3, ""},
        {50, ""},
        {100, ""},
        {116, ""},
        {207, ""},
        {208, ""},
        {232, ""},
        {255, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetUsageKeyName(static_cast<std::uint8_t>(c.usage)), c.name) << c.usage;
}

TEST(UsageTables, UsagesOfVirtualKeys) {
    const struct {
        int virtualKey;
        int usage;
    } cases[] = {
        {8, 42},
        {12, 156},
        {13, 40},
        {16, 225},
        {17, 224},
        {18, 226},
        {19, 72},
        {32, 44},
        {37, 80},
        {40, 81},
        {41, 119},
        {47, 117},
        {48, 39},
        {49, 30},
        {57, 38},
        {65, 4},
        {90, 29},
        {91, 227},
        {92, 231},
        {93, 101},
        {96, 98},
        {97, 89},
        {105, 97},
        {106, 85},
        {107, 87},
        {108, 88},
        {109, 86},
        {110, 99},
        {111, 84},
        {112, 58},
        {123, 69},
        {124, 104},
        {135, 115},
        {144, 83},
        {145, 71},
        {160, 225},
        {161, 229},
        {162, 224},
        {163, 228},
        {164, 226},
        {165, 230},
        {166, 202},
        {169, 204},
        {170, 200},
        {172, 201},
        {174, 198},
        {176, 192},
        {179, 195},
        {180, 199},
        {181, 209},
        {186, 51},
        {187, 46},
        {191, 56},
        {192, 53},
        {219, 47},
        {220, 49},
        {221, 48},
        {222, 52},
        // Keys that produce nothing, and values no key has.
        {182, 0},
        {183, 0},
        {223, 0},
        {255, 0},
        {0, 0},
        {10, 0},
        {136, 0},
        {-1, 0},
        {256, 0},
        {0x10041, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetUsageByVirtualKey(c.virtualKey), c.usage) << c.virtualKey;
}

TEST(UsageTables, NamedUsagesAreExactlyThoseKeysProduce) {
    std::set<int> produced;
    for (int key = 0; key < 256; ++key) {
        if (const int usage = GetUsageByVirtualKey(key); usage != 0)
            produced.insert(usage);
    }
    std::set<int> named;
    for (int usage = 0; usage < 256; ++usage) {
        if (!GetUsageKeyName(static_cast<std::uint8_t>(usage)).empty())
            named.insert(usage);
    }
    EXPECT_EQ(named.size(), 135u);
    EXPECT_EQ(produced, named);
}

} // namespace
} // namespace orln7a
