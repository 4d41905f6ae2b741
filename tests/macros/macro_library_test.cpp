#include "macros/macro_files.h"
#include "macros/macro_fuzz.h"
#include "macros/macro_library.h"

#include "common/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>

namespace orln7a {
namespace {

MacroEntry Entry(std::string_view name, int clicks = 1) {
    MacroEntry entry;
    entry.name = MacroNameStrToUnicode(name);
    MacroLines lines;
    for (int i = 0; i < clicks; ++i)
        lines.events.insert(lines.events.end(), {"1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"});
    EXPECT_TRUE(EncodeMacroLines(lines, {}, entry.block));
    return entry;
}

DriverMacroRecord Record(std::string_view name, int clicks = 1) {
    DriverMacroRecord record;
    DriverMacroNameStrToUnicode(name, record);
    MacroLines lines;
    for (int i = 0; i < clicks; ++i)
        lines.events.insert(lines.events.end(), {"1 A CODE:8204", "2 A CODE:0204"});
    EncodeMacroLines(lines, {}, record.content);
    return record;
}

// 25.6 kB apiece: on the heap.
std::unique_ptr<MacroLibrary> Library(std::initializer_list<const char*> names) {
    auto library = std::make_unique<MacroLibrary>();
    std::size_t i = 0;
    for (const char* name : names)
        (*library)[i++] = Entry(name);
    return library;
}

std::vector<std::string> Names(const MacroLibrary& library) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < MacroLibraryCount(library); ++i)
        names.push_back(MacroNameText(library[i].name));
    return names;
}

std::vector<std::string> Names(const DriverMacroLibrary& library) {
    std::vector<std::string> names;
    for (const auto& record : library)
        names.push_back(MacroNameText(record.name));
    return names;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class MacroFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ =
            std::filesystem::temp_directory_path() /
            ("orln7a-macros-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        folder_ = dir_.string() + "/";
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }
    std::filesystem::path dir_;
    std::string folder_;
};

TEST_F(MacroFilesTest, FirstStartCreatesAnEmptyLibraryFile) {
    auto library = Library({});
    ASSERT_TRUE(CheckPCMacro(folder_, *library));
    EXPECT_EQ(MacroLibraryCount(*library), 0u);
    const auto file = ReadMacroFile(dir_ / "Macro.bin");
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, Bytes(25600, 0));

    DriverMacroLibrary driver{Record("stale")};
    ASSERT_TRUE(CheckDriverPCMacro(folder_, driver));
    EXPECT_TRUE(driver.empty());
}

TEST_F(MacroFilesTest, LibrariesRoundTripThroughTheirFiles) {
    auto library = Library({"One", "Zwei", "三"});
    ASSERT_TRUE(RefreshPCMacro(folder_, *library));
    auto loaded = Library({});
    ASSERT_TRUE(CheckPCMacro(folder_, *loaded));
    EXPECT_EQ(*loaded, *library);

    DriverMacroLibrary driver{Record("A", 1), Record("B", 400)};
    DriverMacroLibrary assigned;
    ASSERT_TRUE(RefreshDriverPCMacro(folder_, driver, assigned));
    EXPECT_EQ(std::filesystem::file_size(dir_ / "Driver_Macro.bin"), 2 * 2048u);
    DriverMacroLibrary back;
    ASSERT_TRUE(CheckDriverPCMacro(folder_, back));
    EXPECT_EQ(back, driver);
}

TEST_F(MacroFilesTest, ReadingTakesWholeNamedRecordsWithoutGaps) {
    // Record 0 unnamed, record 1 named, then a part record: the library starts with record 1.
    const Bytes eeprom = Concat({Bytes(256, 0), MacroEntryBytes(Entry("Second")), Bytes(100, 7)});
    auto library = Library({"Old0", "Old1", "Old2", "Old3"});
    ReadMacroLibraryBytes(eeprom, *library);
    EXPECT_EQ(Names(*library), (std::vector<std::string>{"Second", "Old2", "Old3"}));

    // 5000 bytes: two records and 904 ignored bytes.
    const Bytes driver = Concat({DriverMacroRecordBytes(Record("R1")),
                                 DriverMacroRecordBytes(Record("R2")), Bytes(904, 0x55)});
    ASSERT_EQ(driver.size(), 5000u);
    EXPECT_EQ(Names(ReadDriverMacroLibraryBytes(driver)), (std::vector<std::string>{"R1", "R2"}));
    const Bytes withBlank = Concat({DriverMacroRecordBytes(Record("R1")), Bytes(2048, 0),
                                    DriverMacroRecordBytes(Record("R3"))});
    EXPECT_EQ(Names(ReadDriverMacroLibraryBytes(withBlank)),
              (std::vector<std::string>{"R1", "R3"}));
}

TEST_F(MacroFilesTest, ExportsHaveTheRecordLayouts) {
    EXPECT_EQ(MacroExportPath(dir_ / "abc"), dir_ / "abc.bin");
    EXPECT_EQ(MacroExportPath(dir_ / "abc.bin"), dir_ / "abc.bin.bin");

    auto library = Library({"Click", "Other"});
    struct Case {
        std::string file;
        Status status;
        std::uintmax_t size;
    };
    const Case cases[] = {
        {"one.bin", ExportOneMacro(dir_ / "one.bin", (*library)[0]), 256},
        {"all.bin", ExportMacroLibrary(dir_ / "all.bin", *library), 25600},
        {"d-one.bin", ExportOneDriverMacro(dir_ / "d-one.bin", Record("X")), 2048},
        {"d-all.bin",
         ExportDriverMacroLibrary(dir_ / "d-all.bin", {Record("X"), Record("Y"), Record("Z")}),
         3 * 2048},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(c.status) << c.file;
        EXPECT_EQ(std::filesystem::file_size(dir_ / c.file), c.size) << c.file;
    }
    const auto one = ReadMacroFile(dir_ / "one.bin");
    ASSERT_TRUE(one);
    EXPECT_EQ(*one, MacroEntryBytes((*library)[0]));
}

TEST(MacroLibraryTest, ImportOneAppendsUnlessTheNameIsTaken) {
    auto library = Library({"Click", "Other"});
    const Bytes fresh = MacroEntryBytes(Entry("Fresh", 3));
    const auto index = ImportOneMacro(*library, fresh);
    ASSERT_TRUE(index);
    EXPECT_EQ(*index, 2u);
    EXPECT_EQ((*library)[2], Entry("Fresh", 3));

    const MacroLibrary before = *library;
    const auto again = ImportOneMacro(*library, MacroEntryBytes(Entry("Click", 5)));
    ASSERT_FALSE(again);
    EXPECT_EQ(again.error().key, "Str106");
    EXPECT_EQ(*library, before);

    DriverMacroLibrary driver{Record("D")};
    ASSERT_TRUE(ImportOneDriverMacro(driver, DriverMacroRecordBytes(Record("E"))));
    const auto dup = ImportOneDriverMacro(driver, DriverMacroRecordBytes(Record("D", 9)));
    ASSERT_FALSE(dup);
    EXPECT_EQ(dup.error().key, "Str106");
    EXPECT_EQ(Names(driver), (std::vector<std::string>{"D", "E"}));
}

TEST(MacroLibraryTest, ImportOneStopsAt99Macros) {
    auto library = std::make_unique<MacroLibrary>();
    for (std::size_t i = 0; i < 98; ++i)
        (*library)[i] = Entry("M" + std::to_string(i));
    EXPECT_TRUE(CanImportOneMacro(*library));
    ASSERT_TRUE(ImportOneMacro(*library, MacroEntryBytes(Entry("M98"))));
    EXPECT_FALSE(CanImportOneMacro(*library));
    const MacroLibrary before = *library;
    const auto full = ImportOneMacro(*library, MacroEntryBytes(Entry("M99")));
    ASSERT_FALSE(full);
    EXPECT_EQ(full.error().key, ""); // refused without a message
    EXPECT_EQ(*library, before);

    DriverMacroLibrary driver(9999, Record("x"));
    EXPECT_FALSE(CanImportOneDriverMacro(driver));
}

// Exports that are not what they claim are refused with a clear error, whatever they hold.
TEST(MacroLibraryTest, DamagedOneMacroExportsAreRefused) {
    auto record = [](MacroEntry entry, std::size_t at, std::uint8_t value) {
        Bytes bytes = MacroEntryBytes(entry);
        bytes[at] = value;
        return bytes;
    };
    auto driverRecord = [](std::size_t at, std::uint8_t value) {
        Bytes bytes = DriverMacroRecordBytes(Record("D"));
        bytes[at] = value;
        return bytes;
    };
    MacroEntry emptyMacro;
    emptyMacro.name = MacroNameStrToUnicode("Empty");
    struct Case {
        const char* what;
        Bytes bytes;
        bool driver;
        bool accepted;
    };
    const Case cases[] = {
        {"an intact macro", MacroEntryBytes(Entry("ok")), false, true},
        {"an empty macro", MacroEntryBytes(emptyMacro), false, true},
        {"an EEPROM export with trailing bytes", Concat({MacroEntryBytes(Entry("ok")), {1, 2}}),
         false, true},
        {"no bytes", {}, false, false},
        {"truncated",
         [] {
             Bytes b = MacroEntryBytes(Entry("ok"));
             b.pop_back();
             return b;
         }(),
         false, false},
        {"no name", record(Entry("ok"), 1, 0), false, false}, // "ok" starts 00 6F
        {"absurd length", record(Entry("ok"), 33, 0xC8), false, false},
        {"erased length", record(Entry("ok"), 33, 0xFF), false, false},
        {"length 223", record(Entry("ok"), 33, 223), false, false},
        {"wrong check byte", record(Entry("ok"), 36, 0x00), false, false},
        {"an intact driver macro", DriverMacroRecordBytes(Record("D")), true, true},
        {"a driver record one byte short", Bytes(2047, 0x41), true, false},
        {"an EEPROM export in driver mode", MacroEntryBytes(Entry("ok")), true, false},
        {"driver length beyond the content", driverRecord(33, 0x0F), true, false},
        {"driver length erased",
         [&] {
             Bytes b = driverRecord(33, 0xFF);
             b[34] = 0xFF;
             return b;
         }(),
         true, false},
        {"driver check byte", driverRecord(32 + 7, 0x00), true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.driver) {
            DriverMacroLibrary library{Record("present")};
            const DriverMacroLibrary before = library;
            const auto result = ImportOneDriverMacro(library, c.bytes);
            ASSERT_EQ(result.ok(), c.accepted);
            if (!c.accepted) {
                EXPECT_EQ(result.error().key, "Str102");
                EXPECT_FALSE(result.error().detail.empty());
                EXPECT_EQ(library, before);
            }
        } else {
            auto library = Library({"present"});
            const MacroLibrary before = *library;
            const auto result = ImportOneMacro(*library, c.bytes);
            ASSERT_EQ(result.ok(), c.accepted);
            if (!c.accepted) {
                EXPECT_EQ(result.error().key, "Str102");
                EXPECT_EQ(*library, before);
            }
        }
    }
}

TEST(MacroLibraryTest, ImportAllReplacesWhatTheFileHolds) {
    // A one-record file replaces entry 0 only.
    auto library = Library({"A", "B", "C"});
    ASSERT_TRUE(ImportMacroLibrary(*library, MacroEntryBytes(Entry("New"))));
    EXPECT_EQ(Names(*library), (std::vector<std::string>{"New", "B", "C"}));

    // A whole-library export replaces everything.
    auto other = Library({"X", "Y"});
    ASSERT_TRUE(ImportMacroLibrary(*library, MacroLibraryBytes(*other)));
    EXPECT_EQ(*library, *other);

    DriverMacroLibrary driver{Record("Old")};
    ASSERT_TRUE(ImportDriverMacroLibrary(driver, Concat({DriverMacroRecordBytes(Record("P")),
                                                         DriverMacroRecordBytes(Record("Q"))})));
    EXPECT_EQ(Names(driver), (std::vector<std::string>{"P", "Q"}));
}

TEST(MacroLibraryTest, ImportAllRefusesFilesThatWouldBringNothingOrDamage) {
    Bytes damaged = MacroEntryBytes(Entry("Bad"));
    damaged[33] = 0xC8;
    Bytes driverDamaged = DriverMacroRecordBytes(Record("Bad"));
    driverDamaged[34] ^= 0x01;
    struct Case {
        const char* what;
        Bytes bytes;
    };
    const Case cases[] = {
        {"empty file", {}},
        {"shorter than a record", Bytes(200, 0x41)},
        {"only unnamed records", Bytes(25600, 0)},
        {"a damaged macro after a good one", Concat({MacroEntryBytes(Entry("Good")), damaged})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto library = Library({"Keep"});
        const MacroLibrary before = *library;
        const Status status = ImportMacroLibrary(*library, c.bytes);
        ASSERT_FALSE(status);
        EXPECT_EQ(status.error().key, "Str102");
        EXPECT_EQ(*library, before);
    }
    const Case driverCases[] = {
        {"empty file: the library is not wiped", {}},
        {"shorter than a record", Bytes(2047, 0x41)},
        {"only unnamed records", Bytes(4096, 0)},
        {"a damaged macro", Concat({DriverMacroRecordBytes(Record("Good")), driverDamaged})},
    };
    for (const auto& c : driverCases) {
        SCOPED_TRACE(c.what);
        DriverMacroLibrary library{Record("Keep")};
        const Status status = ImportDriverMacroLibrary(library, c.bytes);
        ASSERT_FALSE(status);
        EXPECT_EQ(status.error().key, "Str102");
        EXPECT_EQ(Names(library), std::vector<std::string>{"Keep"});
    }
}

TEST(MacroLibraryTest, AssignedCopiesFollowTheLibraryByName) {
    DriverMacroLibrary library{Record("A", 2), Record("B", 3)};
    DriverMacroLibrary assigned{Record("B", 1), Record("Gone", 4)};
    RefreshDriverWriteMacro(library, assigned);
    EXPECT_EQ(assigned[0], Record("B", 3));
    EXPECT_EQ(assigned[1], Record("Gone", 4));
}

TEST_F(MacroFilesTest, FileErrorsLeaveTheLibraryAsItWas) {
    std::filesystem::create_directories(dir_ / "Macro.bin"); // exists, but cannot be read
    auto library = Library({"Keep"});
    const MacroLibrary before = *library;
    EXPECT_FALSE(CheckPCMacro(folder_, *library));
    EXPECT_EQ(*library, before);
    EXPECT_FALSE(RefreshPCMacro(folder_, *library));
    EXPECT_FALSE(ReadMacroFile(dir_ / "absent.bin"));
    EXPECT_FALSE(ExportOneMacro(dir_ / "no-folder" / "x.bin", (*library)[0]));
}

// The fuzz entry points take anything: hand-made hostile inputs and seeded random bytes.
TEST(MacroFuzzEntryTest, AnyBytesAreSafe) {
    std::vector<Bytes> inputs{{},
                              {0x00, 0xFF},
                              {0x01, 0xDE, 0xFD},
                              Bytes(224, 0xFE),
                              Bytes(2048, 0xFF),
                              MacroEntryBytes(Entry("ok", 5)),
                              DriverMacroRecordBytes(Record("ok", 700))};
    std::mt19937 random(12345);
    for (int i = 0; i < 300; ++i) {
        Bytes bytes(random() % 3000);
        for (auto& b : bytes)
            b = static_cast<std::uint8_t>(random());
        // Plausible headers make the decoders walk long bodies.
        if (bytes.size() > 40 && i % 2 == 0) {
            bytes[33] = static_cast<std::uint8_t>(random() % 230);
            bytes[1] = static_cast<std::uint8_t>(random() % 230);
        }
        inputs.push_back(std::move(bytes));
    }
    for (const auto& input : inputs) {
        FuzzDecodeMacroContent(input);
        FuzzDecodeDriverRecord(input);
        FuzzReadMacroFile(input);
    }
}

} // namespace
} // namespace orln7a
