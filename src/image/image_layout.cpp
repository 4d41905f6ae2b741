#include "image/image_layout.h"

#include <algorithm>
#include <type_traits>

namespace orln7a {

namespace {

template <typename Copy> auto SectionOf(Copy& copy, ImageSection section) {
    using Byte = std::conditional_t<std::is_const_v<Copy>, const std::uint8_t, std::uint8_t>;
    switch (section) {
    case ImageSection::ParameterA:
        return std::span<Byte>(copy.parameterA);
    case ImageSection::ParameterB:
        return std::span<Byte>(copy.parameterB);
    case ImageSection::Profile:
        return std::span<Byte>(copy.profile);
    case ImageSection::FireMacroKeyTable:
        return std::span<Byte>(copy.fireMacroKeyTable);
    case ImageSection::YOffsetTable:
        return std::span<Byte>(copy.yOffsetTable);
    case ImageSection::FireMacroColorTable:
        return std::span<Byte>(copy.fireMacroColorTable);
    case ImageSection::FireKey:
        break;
    }
    return std::span<Byte>(copy.fireKey);
}

} // namespace

std::span<std::uint8_t> SectionBytes(WorkingCopy& copy, ImageSection section) {
    return SectionOf(copy, section);
}

std::span<const std::uint8_t> SectionBytes(const WorkingCopy& copy, ImageSection section) {
    return SectionOf(copy, section);
}

WorkingCopy UnpackWorkingCopy(const DataBuf& image) {
    WorkingCopy copy;
    for (const auto& place : kSectionTable) {
        auto target = SectionBytes(copy, place.section);
        std::copy_n(image.begin() + place.imageOffset, place.length, target.begin());
    }
    return copy;
}

void PackWorkingCopy(const WorkingCopy& copy, DataBuf& image) {
    for (const auto& place : kSectionTable) {
        const auto source = SectionBytes(copy, place.section);
        std::copy(source.begin(), source.end(), image.begin() + place.imageOffset);
    }
}

std::array<std::uint8_t, kWorkingCopySize> WorkingCopyBytes(const WorkingCopy& copy) {
    std::array<std::uint8_t, kWorkingCopySize> out{};
    for (const auto& place : kSectionTable) {
        const auto source = SectionBytes(copy, place.section);
        std::copy(source.begin(), source.end(), out.begin() + place.copyOffset);
    }
    return out;
}

WorkingCopy WorkingCopyFromBytes(ByteView bytes) {
    WorkingCopy copy;
    for (const auto& place : kSectionTable) {
        if (place.copyOffset >= bytes.size())
            break;
        const std::size_t n = std::min(place.length, bytes.size() - place.copyOffset);
        auto target = SectionBytes(copy, place.section);
        std::copy_n(bytes.begin() + place.copyOffset, n, target.begin());
    }
    return copy;
}

DataBuf DataBufFromBytes(ByteView bytes, std::uint8_t fill) {
    DataBuf image;
    image.fill(fill);
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
    return image;
}

} // namespace orln7a
