#pragma once

// Integrity checks of the working copy's sections. A section that fails its check is replaced
// by its defaults without telling the user, so that a damaged memory never reaches the editors;
// the caller learns whether a repair happened (the command-line tool prints it).

#include "common/bytes.h"
#include "image/image_layout.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace orln7a {

// The one check rule of the mouse: (sum of the covered bytes modulo 256) XOR 0x5A. It also
// guards macro blocks and fire macro records.
std::uint8_t SectionCheckByte(ByteView covered);

// Whether the last byte of `section` is the check byte of the bytes before it.
bool SectionCheckPasses(ByteView section);

// Recomputes and stores the last byte of `section`.
void StampSectionCheck(std::span<std::uint8_t> section);

// The three checked sections of the working copy.
enum class CheckedSection { ParameterA, Profile, FireKey };
void StampSectionCheck(WorkingCopy& copy, CheckedSection section);
// Stamps parameter A, profile and fire key section, as before the copy goes into DataBuf.
void StampSectionChecks(WorkingCopy& copy);

enum class CheckOutcome { Ok, Repaired };
std::string_view CheckOutcomeText(CheckOutcome outcome); // "ok" or "repaired"

CheckOutcome CheckParameterASection(WorkingCopy& copy);
// Each (value, complement) pair that does not add up to 255 gets its default pair; the two
// identifier bytes are not examined.
CheckOutcome CheckParameterBSection(WorkingCopy& copy);
CheckOutcome CheckProfileSection(WorkingCopy& copy);
CheckOutcome CheckFireKeySection(WorkingCopy& copy);

struct SectionCheckReport {
    CheckOutcome parameterA = CheckOutcome::Ok;
    CheckOutcome parameterB = CheckOutcome::Ok;
    CheckOutcome profile = CheckOutcome::Ok;
    CheckOutcome fireKey = CheckOutcome::Ok;
};

// All four checks, in the order a read runs them.
SectionCheckReport CheckAllSections(WorkingCopy& copy);

// The sections of `image` entering the working copy, each through its check.
WorkingCopy LoadWorkingCopy(const DataBuf& image, SectionCheckReport* report = nullptr);

// Default sections, check bytes included.
std::array<std::uint8_t, 48> DefaultParameterASection();
std::array<std::uint8_t, 55> DefaultProfileSection();
std::array<std::uint8_t, 11> DefaultFireKeySection();

// The nine default button codes of either key mode: left, middle, right, back and forward
// clicks, DPI loop, key mode switch, desktop (Win+D) and LED on/off.
inline constexpr std::array<std::array<std::uint8_t, 3>, 9> kDefaultProfileKeys = {{
    {0x01, 0x01, 0x00},
    {0x01, 0x04, 0x00},
    {0x01, 0x02, 0x00},
    {0x01, 0x08, 0x00},
    {0x01, 0x10, 0x00},
    {0x05, 0x00, 0x00},
    {0x0F, 0x00, 0x00},
    {0x02, 0x08, 0x07},
    {0x09, 0x00, 0x00},
}};

} // namespace orln7a
