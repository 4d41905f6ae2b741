#include "keys/usage_tables.h"

#include <array>

namespace orln7a {

namespace {

struct UsageName {
    std::uint8_t usage;
    std::string_view name;
};

// Names of the keyboard usages the mouse can send. 192..209 are the mouse's own numbers for its
// media and browser keys, not the standard meanings of those usages.
constexpr UsageName kUsageNames[] = {
    {4, "A"},
    {5, "B"},
    {6, "C"},
    {7, "D"},
    {8, "E"},
    {9, "F"},
    {10, "G"},
    {11, "H"},
    {12, "I"},
    {13, "J"},
    {14, "K"},
    {15, "L"},
    {16, "M"},
    {17, "N"},
    {18, "O"},
    {19, "P"},
    {20, "Q"},
    {21, "R"},
    {22, "S"},
    {23, "T"},
    {24, "U"},
    {25, "V"},
    {26, "W"},
    {27, "X"},
    {28, "Y"},
    {29, "Z"},
    {30, "1"},
    {31, "2"},
    {32, "3"},
    {33, "4"},
    {34, "5"},
    {35, "6"},
    {36, "7"},
    {37, "8"},
    {38, "9"},
    {39, "0"},
    {40, "Enter"},
    {41, "Esc"},
    {42, "Backspace"},
    {43, "Tab"},
    {44, "Space bar"},
    {45, "OEM_Minus"},
    {46, "OEM_Plus"},
    {47, "OEM_4"},
    {48, "OEM_6"},
    {49, "OEM_5"},
    {51, "OEM_1"},
    {52, "OEM_7"},
    {53, "OEM_3"},
    {54, "OEM_Comma"},
    {55, "OEM_Period"},
    {56, "OEM_2"},
    {57, "Caps Lock"},
    {58, "F1"},
    {59, "F2"},
    {60, "F3"},
    {61, "F4"},
    {62, "F5"},
    {63, "F6"},
    {64, "F7"},
    {65, "F8"},
    {66, "F9"},
    {67, "F10"},
    {68, "F11"},
    {69, "F12"},
    {70, "Print Screen"},
    {71, "Scroll Lock"},
    {72, "Pause"},
    {73, "Insert"},
    {74, "Home"},
    {75, "Page Up"},
    {76, "Delete"},
    {77, "End"},
    {78, "Page Down"},
    {79, "Right Arrow"},
    {80, "Left Arrow"},
    {81, "Down Arrow"},
    {82, "Up Arrow"},
    {83, "Num Lock"},
    {84, "Divide (numeric pad)"},
    {85, "Multiply (numeric pad)"},
    {86, "Subtract (numeric pad)"},
    {87, "Add (numeric pad)"},
    {88, "Separator (numeric pad)"},
    {89, "1 (numeric pad)"},
    {90, "2 (numeric pad)"},
    {91, "3 (numeric pad)"},
    {92, "4 (numeric pad)"},
    {93, "5 (numeric pad)"},
    {94, "6 (numeric pad)"},
    {95, "7 (numeric pad)"},
    {96, "8 (numeric pad)"},
    {97, "9 (numeric pad)"},
    {98, "0 (numeric pad)"},
    {99, "Decimal (numeric pad)"},
    {101, "Applications"},
    {104, "F13"},
    {105, "F14"},
    {106, "F15"},
    {107, "F16"},
    {108, "F17"},
    {109, "F18"},
    {110, "F19"},
    {111, "F20"},
    {112, "F21"},
    {113, "F22"},
    {114, "F23"},
    {115, "F24"},
    {117, "Help"},
    {119, "Select"},
    {156, "Clear"},
    {192, "Media_Next_Track"},
    {193, "Media_Prev_Track"},
    {194, "Media_Stop"},
    {195, "Media_Play_Pause"},
    {196, "Volume_Mute"},
    {197, "Volume_Up"},
    {198, "Volume_Down"},
    {199, "Launch_Mail"},
    {200, "Browser_Search"},
    {201, "Browser_Home"},
    {202, "Browser_Back"},
    {203, "Browser_Forward"},
    {204, "Browser_Stop"},
    {205, "Browser_Refresh"},
    {206, "Browser_Favorites"},
    {209, "Launch_Media_Select"},
    {224, "Left Ctrl"},
    {225, "Left Shift"},
    {226, "Left Alt"},
    {227, "Win"},
    {228, "Right Ctrl"},
    {229, "Right Shift"},
    {230, "Right Alt"},
    {231, "Win"},
};

struct VirtualKeyUsage {
    std::uint8_t virtualKey;
    std::uint8_t usage;
};

// The usage each Windows virtual key produces. The generic Shift, Ctrl and Alt keys (16..18) give
// the left-hand usages; Launch App1/App2, OEM 8 and 255 are left out, so they give no key.
constexpr VirtualKeyUsage kVirtualKeyUsages[] = {
    {8, 42},    {9, 43},    {12, 156},  {13, 40},   {16, 225},  {17, 224},  {18, 226},  {19, 72},
    {20, 57},   {27, 41},   {32, 44},   {33, 75},   {34, 78},   {35, 77},   {36, 74},   {37, 80},
    {38, 82},   {39, 79},   {40, 81},   {41, 119},  {44, 70},   {45, 73},   {46, 76},   {47, 117},
    {48, 39},   {49, 30},   {50, 31},   {51, 32},   {52, 33},   {53, 34},   {54, 35},   {55, 36},
    {56, 37},   {57, 38},   {65, 4},    {66, 5},    {67, 6},    {68, 7},    {69, 8},    {70, 9},
    {71, 10},   {72, 11},   {73, 12},   {74, 13},   {75, 14},   {76, 15},   {77, 16},   {78, 17},
    {79, 18},   {80, 19},   {81, 20},   {82, 21},   {83, 22},   {84, 23},   {85, 24},   {86, 25},
    {87, 26},   {88, 27},   {89, 28},   {90, 29},   {91, 227},  {92, 231},  {93, 101},  {96, 98},
    {97, 89},   {98, 90},   {99, 91},   {100, 92},  {101, 93},  {102, 94},  {103, 95},  {104, 96},
    {105, 97},  {106, 85},  {107, 87},  {108, 88},  {109, 86},  {110, 99},  {111, 84},  {112, 58},
    {113, 59},  {114, 60},  {115, 61},  {116, 62},  {117, 63},  {118, 64},  {119, 65},  {120, 66},
    {121, 67},  {122, 68},  {123, 69},  {124, 104}, {125, 105}, {126, 106}, {127, 107}, {128, 108},
    {129, 109}, {130, 110}, {131, 111}, {132, 112}, {133, 113}, {134, 114}, {135, 115}, {144, 83},
    {145, 71},  {160, 225}, {161, 229}, {162, 224}, {163, 228}, {164, 226}, {165, 230}, {166, 202},
    {167, 203}, {168, 205}, {169, 204}, {170, 200}, {171, 206}, {172, 201}, {173, 196}, {174, 198},
    {175, 197}, {176, 192}, {177, 193}, {178, 194}, {179, 195}, {180, 199}, {181, 209}, {186, 51},
    {187, 46},  {188, 54},  {189, 45},  {190, 55},  {191, 56},  {192, 53},  {219, 47},  {220, 49},
    {221, 48},  {222, 52},
};

template <typename Row, std::size_t N>
constexpr bool StrictlyAscending(const Row (&rows)[N], std::uint8_t Row::*key) {
    for (std::size_t i = 1; i < N; ++i) {
        if (!(rows[i - 1].*key < rows[i].*key))
            return false;
    }
    return true;
}
static_assert(StrictlyAscending(kUsageNames, &UsageName::usage), "one row per usage");
static_assert(StrictlyAscending(kVirtualKeyUsages, &VirtualKeyUsage::virtualKey),
              "one row per virtual key");

constexpr auto kUsageNameByUsage = [] {
    std::array<std::string_view, 256> byUsage{};
    for (const auto& row : kUsageNames)
        byUsage[row.usage] = row.name;
    return byUsage;
}();

constexpr auto kUsageByVirtualKey = [] {
    std::array<std::uint8_t, 256> byKey{};
    for (const auto& row : kVirtualKeyUsages)
        byKey[row.virtualKey] = row.usage;
    return byKey;
}();

constexpr bool EveryProducedUsageHasName() {
    for (const auto& row : kVirtualKeyUsages) {
        if (kUsageNameByUsage[row.usage].empty())
            return false;
    }
    return true;
}
static_assert(EveryProducedUsageHasName(), "a captured key always shows a name");

} // namespace

std::string_view GetUsageKeyName(std::uint8_t usage) {
    return kUsageNameByUsage[usage];
}

std::uint8_t GetUsageByVirtualKey(int virtualKey) {
    if (virtualKey < 0 || virtualKey >= static_cast<int>(kUsageByVirtualKey.size()))
        return 0;
    return kUsageByVirtualKey[static_cast<std::size_t>(virtualKey)];
}

} // namespace orln7a
