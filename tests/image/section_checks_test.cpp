#include "image/section_checks.h"

#include "image_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace orln7a {
namespace {

using testing_support::Default;

TEST(SectionCheck, SumModulo256XorFiveA) {
    const Bytes covered = {0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x64, 0xFC};
    EXPECT_EQ(SectionCheckByte(covered), 0x70);
    EXPECT_EQ(SectionCheckByte(Bytes{}), 0x5A);
    Bytes section = covered;
    section.push_back(0);
    EXPECT_FALSE(SectionCheckPasses(section));
    StampSectionCheck(section);
    EXPECT_EQ(section.back(), 0x70);
    EXPECT_TRUE(SectionCheckPasses(section));
    EXPECT_FALSE(SectionCheckPasses(Bytes{}));
}

TEST(SectionCheck, DefaultsAreTheExactRepairBytes) {
    const auto a = DefaultParameterASection();
    EXPECT_EQ(a[0], 0xFF);
    EXPECT_EQ(a[2], 0x04);
    EXPECT_EQ(a[46], 0xFF);
    EXPECT_EQ(a[47], 0x79);

    const auto p = DefaultProfileSection();
    const Bytes keys = {0x01, 0x01, 0x00, 0x01, 0x04, 0x00, 0x01, 0x02, 0x00,
                        0x01, 0x08, 0x00, 0x01, 0x10, 0x00, 0x05, 0x00, 0x00,
                        0x0F, 0x00, 0x00, 0x02, 0x08, 0x07, 0x09, 0x00, 0x00};
    EXPECT_TRUE(std::equal(keys.begin(), keys.end(), p.begin()));
    EXPECT_TRUE(std::equal(keys.begin(), keys.end(), p.begin() + 27));
    EXPECT_TRUE(SectionCheckPasses(p));

    const auto f = DefaultFireKeySection();
    EXPECT_EQ(Bytes(f.begin(), f.end()),
              (Bytes{0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x64, 0xFC, 0x70}));
}

TEST(SectionCheck, ErasedMemoryIsRepairedEverywhereButTheIdentifiers) {
    WorkingCopy copy = UnpackWorkingCopy(DataBufFromBytes({}, 0xFF));
    const SectionCheckReport report = CheckAllSections(copy);
    EXPECT_EQ(report.parameterA, CheckOutcome::Repaired);
    EXPECT_EQ(report.parameterB, CheckOutcome::Repaired);
    EXPECT_EQ(report.profile, CheckOutcome::Repaired);
    EXPECT_EQ(report.fireKey, CheckOutcome::Repaired);
    EXPECT_EQ(copy.parameterA, DefaultParameterASection());
    EXPECT_EQ(copy.profile, DefaultProfileSection());
    EXPECT_EQ(copy.fireKey, DefaultFireKeySection());
    EXPECT_EQ(Bytes(copy.parameterB.begin(), copy.parameterB.end()),
              (Bytes{0x01, 0xFE, 0x01, 0xFE, 0x00, 0xFF, 0xFF, 0xFF}));
    // The unchecked tables are taken as they are.
    EXPECT_TRUE(std::all_of(copy.yOffsetTable.begin(), copy.yOffsetTable.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));
    EXPECT_EQ(CheckOutcomeText(report.parameterA), "repaired");
    EXPECT_EQ(CheckOutcomeText(CheckOutcome::Ok), "ok");
}

TEST(SectionCheck, ParameterBRepairsOnlyTheBrokenPairs) {
    struct Case {
        Bytes in;
        Bytes out;
        CheckOutcome outcome;
    };
    const Case cases[] = {
        {{0x01, 0xFE, 0x22, 0xDD, 0x00, 0xFF, 0x07, 0x09},
         {0x01, 0xFE, 0x22, 0xDD, 0x00, 0xFF, 0x07, 0x09},
         CheckOutcome::Ok},
        {{0x05, 0x05, 0x22, 0xDD, 0x80, 0x7F, 0xFF, 0xFF},
         {0x01, 0xFE, 0x22, 0xDD, 0x80, 0x7F, 0xFF, 0xFF},
         CheckOutcome::Repaired},
        // Pairs that overflow a byte (0x80 + 0x80) are no complements either.
        {{0x03, 0xFC, 0x80, 0x80, 0x80, 0x80, 0x00, 0x00},
         {0x03, 0xFC, 0x01, 0xFE, 0x00, 0xFF, 0x00, 0x00},
         CheckOutcome::Repaired},
    };
    for (const Case& c : cases) {
        WorkingCopy copy;
        std::copy(c.in.begin(), c.in.end(), copy.parameterB.begin());
        EXPECT_EQ(CheckParameterBSection(copy), c.outcome);
        EXPECT_EQ(Bytes(copy.parameterB.begin(), copy.parameterB.end()), c.out);
    }
}

TEST(SectionCheck, OneChangedByteFailsItsSectionAndOnlyThatOne) {
    const WorkingCopy good = UnpackWorkingCopy(Default(0));
    struct Case {
        ImageSection section;
        std::size_t at;
    };
    const Case cases[] = {
        {ImageSection::ParameterA, 0x06}, {ImageSection::ParameterA, 0x2F},
        {ImageSection::Profile, 0x00},    {ImageSection::Profile, 0x36},
        {ImageSection::FireKey, 0x02},    {ImageSection::FireKey, 0x0A},
    };
    for (const Case& c : cases) {
        WorkingCopy copy = good;
        SectionBytes(copy, c.section)[c.at] ^= 0x01;
        const SectionCheckReport report = CheckAllSections(copy);
        const auto expect = [&](ImageSection section) {
            return section == c.section ? CheckOutcome::Repaired : CheckOutcome::Ok;
        };
        EXPECT_EQ(report.parameterA, expect(ImageSection::ParameterA)) << c.at;
        EXPECT_EQ(report.parameterB, CheckOutcome::Ok) << c.at;
        EXPECT_EQ(report.profile, expect(ImageSection::Profile)) << c.at;
        EXPECT_EQ(report.fireKey, expect(ImageSection::FireKey)) << c.at;
    }
}

TEST(SectionCheck, StampingMakesAChangedCopyPass) {
    WorkingCopy copy = UnpackWorkingCopy(Default(1));
    copy.parameterA[0x06] = 0x0B;
    copy.profile[0x03] = 0x07;
    copy.fireKey[0x08] = 0x20;
    StampSectionChecks(copy);
    const WorkingCopy stamped = copy;
    const SectionCheckReport report = CheckAllSections(copy);
    EXPECT_EQ(report.parameterA, CheckOutcome::Ok);
    EXPECT_EQ(report.profile, CheckOutcome::Ok);
    EXPECT_EQ(report.fireKey, CheckOutcome::Ok);
    EXPECT_EQ(copy, stamped);
}

} // namespace
} // namespace orln7a
