#include "macros/macro_content.h"
#include "macros/macro_items.h"
#include "macros/macro_lines.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orln7a {
namespace {

MacroLines Events(std::vector<std::string> events) {
    MacroLines lines;
    lines.header = "10";
    lines.events = std::move(events);
    return lines;
}

MacroLines Repeated(const std::string& line, std::size_t times) {
    return Events(std::vector<std::string>(times, line));
}

const std::vector<std::string> kClick{"1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"};

MacroPlayOptions Options(bool stop, MacroLoop loop, int times = 8) {
    return MacroPlayOptions{stop, loop, times};
}

// The stored bytes from the start; everything after them must be zero.
void ExpectContent(ByteView content, const Bytes& expected) {
    ASSERT_LE(expected.size(), content.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), content.begin()));
    EXPECT_TRUE(std::all_of(content.begin() + static_cast<std::ptrdiff_t>(expected.size()),
                            content.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST(MacroContentTest, EncodesBlocksAndDriverContent) {
    struct Case {
        const char* what;
        std::vector<std::string> events;
        MacroPlayOptions options;
        Bytes block;  // EEPROM form
        Bytes driver; // driver form
    };
    const Case cases[] = {
        {"one left click",
         kClick,
         Options(false, MacroLoop::None),
         {0x00, 0x03, 0xA1, 0x21, 0x9F},
         {0x00, 0x00, 0x03, 0xA1, 0x21, 0x9F}},
        {"endless loop",
         kClick,
         Options(false, MacroLoop::Endless),
         {0x00, 0x06, 0xFD, 0xFF, 0xA1, 0x21, 0xFC, 0x9A},
         {0x00, 0x00, 0x06, 0xFD, 0xFF, 0xA1, 0x21, 0xFC, 0x9A}},
        {"once, stop on release",
         kClick,
         Options(true, MacroLoop::Times, 1),
         {0x01, 0x06, 0xFD, 0x00, 0xA1, 0x21, 0xFC, 0x9B},
         {0x01, 0x00, 0x06, 0xFD, 0x00, 0xA1, 0x21, 0xFC, 0x9B}},
        {"255 times",
         kClick,
         Options(false, MacroLoop::Times, 255),
         {0x00, 0x06, 0xFD, 0xFE, 0xA1, 0x21, 0xFC, 0xE5},
         {0x00, 0x00, 0x06, 0xFD, 0xFE, 0xA1, 0x21, 0xFC, 0xE5}},
        {"no events, no loop: empty, release mode not kept",
         {},
         Options(true, MacroLoop::None),
         {},
         {}},
        {"no events but a loop",
         {},
         Options(false, MacroLoop::Times, 3),
         {0x00, 0x04, 0xFD, 0x02, 0xFC, 0xA5},
         {0x00, 0x00, 0x04, 0xFD, 0x02, 0xFC, 0xA5}},
        {"the header and broken lines add nothing",
         {"10", "junk", "0 1000"},
         Options(false, MacroLoop::None),
         {0x00, 0x03, 0xFE, 0x7D, 0x24},
         {0x00, 0x00, 0x03, 0xFE, 0x7D, 0x24}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MacroBlock block;
        block.fill(0xEE); // every byte is rewritten
        ASSERT_TRUE(EncodeMacroLines(Events(c.events), c.options, block));
        ExpectContent(block, c.block);
        DriverMacroContent driver;
        driver.fill(0xEE);
        EncodeMacroLines(Events(c.events), c.options, driver);
        ExpectContent(driver, c.driver);
    }
}

TEST(MacroContentTest, EveryEventKindRoundTripsInBothForms) {
    const std::vector<std::string> events{"0 1000",
                                          "1 A CODE:8204",
                                          "0 5000",
                                          "2 A CODE:0204",
                                          "0 0",
                                          "1 Ctrl CODE:8101",
                                          "2 Ctrl CODE:0101",
                                          "1 Forward CODE:00A8",
                                          "3 FB7F",
                                          "4 FB00",
                                          "5 FA0C",
                                          "6 FA80",
                                          "2 Forward CODE:0028"};
    const MacroPlayOptions options[] = {Options(false, MacroLoop::None),
                                        Options(true, MacroLoop::Times, 42),
                                        Options(false, MacroLoop::Endless)};
    for (const auto& option : options) {
        MacroBlock block{};
        ASSERT_TRUE(EncodeMacroLines(Events(events), option, block));
        DriverMacroContent driver{};
        EncodeMacroLines(Events(events), option, driver);
        for (const DecodedMacro& decoded :
             {DecodeMacroContent(block), DecodeMacroContent(driver)}) {
            EXPECT_FALSE(decoded.empty);
            EXPECT_EQ(decoded.lines.events, events);
            EXPECT_EQ(decoded.releaseStop, option.releaseStop);
            EXPECT_EQ(decoded.loop, option.loop);
            if (option.loop == MacroLoop::Times) {
                EXPECT_EQ(decoded.loopTimes, option.loopTimes);
            }
            EXPECT_EQ(decoded.lines.header, "10");
        }
    }
}

TEST(MacroContentTest, HeaderFollowsTheFirstFourDelays) {
    struct Case {
        std::vector<std::string> events;
        DelayModeHeader header;
        std::string text;
    };
    // Delays between events, as recordings make them; neighbouring delay lines would merge.
    auto between = [](std::vector<int> delays) {
        std::vector<std::string> events;
        for (int ms : delays) {
            events.push_back(DelayLine(ms));
            events.push_back("1 A CODE:8204");
        }
        return events;
    };
    const Case cases[] = {
        {kClick, {DelayMode::None, 0}, "00"},
        {between({0, 0}), {DelayMode::None, 0}, "00"},
        {between({0, 0, 0, 0, 80}), {DelayMode::None, 0}, "00"}, // only the first four count
        {between({32, 32, 32, 32, 1000}), {DelayMode::Fixed, 32}, "0132"},
        {between({10200, 10200, 10200, 10200}), {DelayMode::Fixed, 10200}, "0110200"},
        {between({32, 32, 32}), {DelayMode::Recorded, 0}, "10"}, // the missing fourth is 0
        {between({16, 24}), {DelayMode::Recorded, 0}, "10"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(InferDelayModeHeader(c.events), c.header) << c.text;
        MacroBlock block{};
        ASSERT_TRUE(EncodeMacroLines(Events(c.events), {}, block));
        const DecodedMacro decoded = DecodeMacroContent(block);
        EXPECT_EQ(decoded.lines.header, c.text);
        EXPECT_EQ(decoded.delay, c.header);
    }
}

TEST(MacroContentTest, BlockRefusesBodiesBeyondItsRoomAndKeepsTheStoredMacro) {
    struct Case {
        const char* what;
        MacroLines lines;
        MacroPlayOptions options;
        bool fits;
    };
    // Key lines take two bytes, mouse lines one; 0 ms delays are two bytes each although the
    // recorder counts them as none.
    MacroLines keysAndClick = Repeated("1 A CODE:8204", 110);
    keysAndClick.events.push_back("1 LeftKey CODE:00A1");
    const Case cases[] = {
        {"221 bytes", keysAndClick, {}, true},
        {"222 bytes", Repeated("1 A CODE:8204", 111), {}, false},
        {"218 bytes and a wrapper", Repeated("1 A CODE:8204", 109),
         Options(false, MacroLoop::Endless), true},
        {"220 bytes and a wrapper", Repeated("1 A CODE:8204", 110),
         Options(false, MacroLoop::Endless), false},
        {"many 0 ms delays", Repeated("0 0", 111), {}, false},
        {"a huge delay", Events({"0 999999"}), {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MacroBlock block{};
        ASSERT_TRUE(EncodeMacroLines(Events(kClick), {}, block));
        const MacroBlock before = block;
        const Status status = EncodeMacroLines(c.lines, c.options, block);
        EXPECT_EQ(status.ok(), c.fits);
        if (!c.fits) {
            EXPECT_EQ(status.error().key, "Str103");
            EXPECT_EQ(block, before);
            continue;
        }
        EXPECT_EQ(block[1], 222);
        EXPECT_TRUE(MacroContentIntact(block, MacroContentForm::Eeprom));
        EXPECT_EQ(DecodeMacroContent(block).lines.events.size(), c.lines.events.size());
    }
}

TEST(MacroContentTest, DriverContentKeepsWholeItemsWithinItsCapacity) {
    struct Case {
        const char* what;
        MacroLines lines;
        MacroPlayOptions options;
        std::size_t bodyBytes;
        std::size_t events;
        std::string lastEvent;
    };
    MacroLines keysThenClick = Repeated("1 A CODE:8204", 989);
    keysThenClick.events.push_back("1 LeftKey CODE:00A1");
    keysThenClick.events.push_back("2 A CODE:0204");
    const Case cases[] = {
        {"exactly full", Repeated("1 A CODE:8204", 990), {}, 1980, 990, "1 A CODE:8204"},
        {"cut after 990 keys", Repeated("1 A CODE:8204", 1000), {}, 1980, 990, "1 A CODE:8204"},
        {"a two-byte item that would cross the end is left out",
         keysThenClick,
         {},
         1979,
         990,
         "1 LeftKey CODE:00A1"},
        {"the loop survives the cut", Repeated("1 A CODE:8204", 1000),
         Options(false, MacroLoop::Endless), 1979, 988, "1 A CODE:8204"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DriverMacroContent content{};
        EncodeMacroLines(c.lines, c.options, content);
        EXPECT_EQ(std::size_t{content[1]} << 8 | content[2], c.bodyBytes + 1);
        EXPECT_TRUE(MacroContentIntact(content, MacroContentForm::Driver));
        const DecodedMacro decoded = DecodeMacroContent(content);
        ASSERT_EQ(decoded.lines.events.size(), c.events);
        EXPECT_EQ(decoded.lines.events.back(), c.lastEvent);
        EXPECT_EQ(decoded.loop, c.options.loop);
    }
}

TEST(MacroContentTest, DecodingTrustsTheLengthOnlyAsFarAsTheContentReaches) {
    // Heap buffers of exactly the given size, so that any read past them is caught.
    struct Case {
        const char* what;
        Bytes content;
        MacroContentForm form;
        bool empty;
        std::size_t events;
    };
    Bytes longLength(kMacroBlockSize, 0xA1);
    longLength[0] = 0;
    longLength[1] = 0xFE;
    Bytes driverLong(kDriverMacroContentSize, 0x21);
    driverLong[1] = 0xFF;
    driverLong[2] = 0xFE;
    Bytes oversized(3000, 0xA1);
    oversized[1] = 0x0B;
    oversized[2] = 0xB8;
    const Case cases[] = {
        {"length 254 in a block", longLength, MacroContentForm::Eeprom, false, 222},
        {"length beyond a short view",
         {0x00, 0xC8, 0xA1, 0x21, 0xA1},
         MacroContentForm::Eeprom,
         false,
         3},
        {"driver length 0xFFFE", driverLong, MacroContentForm::Driver, false, 2013},
        {"driver content read no further than 2016 bytes", oversized, MacroContentForm::Driver,
         false, 2013},
        {"length 0", {0x01, 0x00, 0xA1}, MacroContentForm::Eeprom, true, 0},
        {"erased block", Bytes(kMacroBlockSize, 0xFF), MacroContentForm::Eeprom, true, 0},
        {"erased driver content", Bytes(kDriverMacroContentSize, 0xFF), MacroContentForm::Driver,
         true, 0},
        {"nothing at all", {}, MacroContentForm::Eeprom, true, 0},
        {"one byte", {0x01}, MacroContentForm::Eeprom, true, 0},
        {"two driver bytes", {0x00, 0x01}, MacroContentForm::Driver, true, 0},
        {"length 1: no body", {0x00, 0x01}, MacroContentForm::Eeprom, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DecodedMacro decoded = DecodeMacroContent(c.content, c.form);
        EXPECT_EQ(decoded.empty, c.empty);
        EXPECT_EQ(decoded.lines.events.size(), c.events);
        EXPECT_EQ(decoded.lines.Empty(), c.empty); // an empty macro shows no header either
    }
}

TEST(MacroContentTest, DecodedOptions) {
    struct Case {
        const char* what;
        Bytes block;
        std::optional<bool> releaseStop;
        MacroLoop loop;
        int times;
    };
    const Case cases[] = {
        {"play to the end", {0x00, 0x02, 0xA1}, false, MacroLoop::None, 1},
        {"stop on release", {0x01, 0x02, 0xA1}, true, MacroLoop::None, 1},
        {"a foreign release mode leaves the page's choice",
         {0x07, 0x02, 0xA1},
         std::nullopt,
         MacroLoop::None,
         1},
        {"counted loop", {0x00, 0x04, 0xFD, 0x07, 0xA1}, false, MacroLoop::Times, 8},
        {"endless loop", {0x00, 0x04, 0xFD, 0xFF, 0xA1}, false, MacroLoop::Endless, 1},
        {"a lone repeat start is no loop", {0x00, 0x02, 0xFD, 0x05}, false, MacroLoop::None, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const DecodedMacro decoded = DecodeMacroContent(c.block, MacroContentForm::Eeprom);
        EXPECT_EQ(decoded.releaseStop, c.releaseStop);
        EXPECT_EQ(decoded.loop, c.loop);
        EXPECT_EQ(decoded.loopTimes, c.times);
    }
}

TEST(MacroContentTest, CheckEmptiesDamagedBlocks) {
    auto valid = [] {
        MacroBlock block{};
        EXPECT_TRUE(EncodeMacroLines(Events(kClick), Options(true, MacroLoop::None), block));
        return block;
    };
    MacroBlock full{};
    ASSERT_TRUE(EncodeMacroLines(Repeated("1 A CODE:8204", 110), {}, full)); // L = 221
    full[1] = 222;
    full[2 + 220] = 0x21; // one more body byte, then the check byte at 223
    full[223] = MacroCheckByte(ByteView(full).subspan(1, 222));

    struct Case {
        const char* what;
        MacroBlock block;
        bool kept;
    };
    MacroBlock wrongCheck = valid();
    wrongCheck[4] ^= 1;
    MacroBlock changedBody = valid();
    changedBody[2] = 0xA2;
    MacroBlock tooLong = valid();
    tooLong[1] = 223;
    MacroBlock erased;
    erased.fill(0xFF);
    MacroBlock emptyWithJunk{};
    emptyWithJunk[5] = 0x33;
    const Case cases[] = {
        {"intact", valid(), true},
        {"intact at full length", full, true},
        {"wrong check byte", wrongCheck, false},
        {"changed body", changedBody, false},
        {"length with no room for the check byte", tooLong, false},
        {"erased memory", erased, false},
        {"empty", emptyWithJunk, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MacroBlock block = c.block;
        EXPECT_EQ(CheckMacroContentBuf(block), c.kept);
        EXPECT_EQ(block, c.kept ? c.block : MacroBlock{});
    }
}

TEST(MacroContentTest, NamesAreUtf16HighByteFirst) {
    struct Case {
        std::string text;
        Bytes bytes;      // the start of the field; the rest is zero
        std::string read; // the name read back
    };
    const Case cases[] = {
        {"A", {0x00, 0x41}, "A"},
        {"宏1", {0x5B, 0x8F, 0x00, 0x31}, "宏1"},
        {"Ä", {0x00, 0xC4}, "Ä"},
        {"\xF0\x9F\x98\x80", {0xD8, 0x3D, 0xDE, 0x00}, "\xF0\x9F\x98\x80"}, // a surrogate pair
        {"ABCDEFGHIJKLMNOPQR",
         {0, 'A', 0, 'B', 0, 'C', 0, 'D', 0, 'E', 0, 'F', 0, 'G', 0, 'H',
          0, 'I', 0, 'J', 0, 'K', 0, 'L', 0, 'M', 0, 'N', 0, 'O', 0, 'P'},
         "ABCDEFGHIJKLMNOP"},
        // A pair that would not fit whole is left out rather than split.
        {"ABCDEFGHIJKLMNO\xF0\x9F\x98\x80",
         {0,   'A', 0,   'B', 0,   'C', 0,   'D', 0,   'E', 0,   'F', 0,   'G', 0,
          'H', 0,   'I', 0,   'J', 0,   'K', 0,   'L', 0,   'M', 0,   'N', 0,   'O'},
         "ABCDEFGHIJKLMNO"},
        {"\xFF"
         "A",
         {0xFF, 0xFD, 0x00, 0x41},
         "\xEF\xBF\xBD"
         "A"},
        {std::string("A\0B", 3), {0x00, 0x41, 0x00, 0x42}, "AB"},
        {"", {}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.read);
        const MacroName name = MacroNameStrToUnicode(c.text);
        ExpectContent(name, c.bytes);
        EXPECT_EQ(MacroNameText(name), c.read);
        EXPECT_EQ(MacroNamePresent(name), !c.bytes.empty());
    }

    MacroName stray{};
    stray[0] = 0xD8; // a high surrogate without its low half
    stray[3] = 'A';
    EXPECT_EQ(MacroNameText(stray), "\xEF\xBF\xBD"
                                    "A");
    MacroName afterZero{};
    afterZero[1] = 'A';
    afterZero[5] = 'B'; // beyond the first zero unit
    EXPECT_EQ(MacroNameText(afterZero), "A");

    DriverMacroRecord record;
    record.name.fill(0xAA);
    DriverMacroNameStrToUnicode("Z", record);
    ExpectContent(record.name, {0x00, 'Z'});
}

} // namespace
} // namespace orln7a
