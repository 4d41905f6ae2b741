#include "image/section_checks.h"

#include <algorithm>
#include <numeric>

namespace orln7a {

namespace {

constexpr std::array<std::uint8_t, 47> kDefaultParameterA = {
    0xFF, 0xFE, 0x04, 0x00, 0xFF, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x01, 0x04, 0x03,
    0x00, 0x02, 0x05, 0x06, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0x00,
    0xFF, 0xFF, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

constexpr std::array<std::uint8_t, 11> kDefaultFireKey = {0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03,
                                                          0x21, 0xFE, 0x64, 0xFC, 0x70};

// Default (value, complement) pairs of parameter B: first DPI level, LED mode 1, key mode 1.
constexpr std::array<std::array<std::uint8_t, 2>, 3> kDefaultParameterBPairs = {{
    {0x01, 0xFE},
    {0x01, 0xFE},
    {0x00, 0xFF},
}};

CheckOutcome RepairWhenFailing(std::span<std::uint8_t> section, ByteView defaults) {
    if (SectionCheckPasses(section))
        return CheckOutcome::Ok;
    std::copy(defaults.begin(), defaults.end(), section.begin());
    return CheckOutcome::Repaired;
}

} // namespace

std::uint8_t SectionCheckByte(ByteView covered) {
    const unsigned sum = std::accumulate(covered.begin(), covered.end(), 0u);
    return static_cast<std::uint8_t>((sum & 0xFFu) ^ 0x5Au);
}

bool SectionCheckPasses(ByteView section) {
    if (section.empty())
        return false;
    return section.back() == SectionCheckByte(section.first(section.size() - 1));
}

void StampSectionCheck(std::span<std::uint8_t> section) {
    if (section.empty())
        return;
    section.back() = SectionCheckByte(section.first(section.size() - 1));
}

void StampSectionCheck(WorkingCopy& copy, CheckedSection section) {
    switch (section) {
    case CheckedSection::ParameterA:
        StampSectionCheck(copy.parameterA);
        return;
    case CheckedSection::Profile:
        StampSectionCheck(copy.profile);
        return;
    case CheckedSection::FireKey:
        StampSectionCheck(copy.fireKey);
        return;
    }
}

void StampSectionChecks(WorkingCopy& copy) {
    StampSectionCheck(copy, CheckedSection::ParameterA);
    StampSectionCheck(copy, CheckedSection::Profile);
    StampSectionCheck(copy, CheckedSection::FireKey);
}

std::string_view CheckOutcomeText(CheckOutcome outcome) {
    return outcome == CheckOutcome::Ok ? "ok" : "repaired";
}

std::array<std::uint8_t, 48> DefaultParameterASection() {
    std::array<std::uint8_t, 48> section{};
    std::copy(kDefaultParameterA.begin(), kDefaultParameterA.end(), section.begin());
    StampSectionCheck(section);
    return section;
}

std::array<std::uint8_t, 55> DefaultProfileSection() {
    std::array<std::uint8_t, 55> section{};
    section.fill(0xFF);
    for (std::size_t i = 0; i < profile::kKeysPerMode; ++i) {
        for (const std::size_t base : {profile::kProfile1Keys, profile::kProfile2Keys})
            std::copy(kDefaultProfileKeys[i].begin(), kDefaultProfileKeys[i].end(),
                      section.begin() + base + profile::kKeySize * i);
    }
    StampSectionCheck(section);
    return section;
}

std::array<std::uint8_t, 11> DefaultFireKeySection() {
    return kDefaultFireKey;
}

CheckOutcome CheckParameterASection(WorkingCopy& copy) {
    return RepairWhenFailing(copy.parameterA, DefaultParameterASection());
}

CheckOutcome CheckParameterBSection(WorkingCopy& copy) {
    CheckOutcome outcome = CheckOutcome::Ok;
    for (std::size_t pair = 0; pair < kDefaultParameterBPairs.size(); ++pair) {
        std::uint8_t& value = copy.parameterB[2 * pair];
        std::uint8_t& complement = copy.parameterB[2 * pair + 1];
        if (value + complement == 0xFF)
            continue;
        value = kDefaultParameterBPairs[pair][0];
        complement = kDefaultParameterBPairs[pair][1];
        outcome = CheckOutcome::Repaired;
    }
    return outcome;
}

CheckOutcome CheckProfileSection(WorkingCopy& copy) {
    return RepairWhenFailing(copy.profile, DefaultProfileSection());
}

CheckOutcome CheckFireKeySection(WorkingCopy& copy) {
    return RepairWhenFailing(copy.fireKey, kDefaultFireKey);
}

SectionCheckReport CheckAllSections(WorkingCopy& copy) {
    SectionCheckReport report;
    report.parameterA = CheckParameterASection(copy);
    report.parameterB = CheckParameterBSection(copy);
    report.profile = CheckProfileSection(copy);
    report.fireKey = CheckFireKeySection(copy);
    return report;
}

WorkingCopy LoadWorkingCopy(const DataBuf& image, SectionCheckReport* report) {
    WorkingCopy copy = UnpackWorkingCopy(image);
    const SectionCheckReport outcome = CheckAllSections(copy);
    if (report != nullptr)
        *report = outcome;
    return copy;
}

} // namespace orln7a
