#include "fire/gun_key_list.h"

#include "common/files.h"
#include "fire/gun_presets.h"

#include <cctype>
#include <filesystem>
#include <system_error>

namespace orln7a {

namespace {

constexpr std::string_view kEmptySlot = "000000";

} // namespace

GunKeyList::GunKeyList() {
    slots.fill(std::string(kEmptySlot));
}

int GunKeyList::SlotOf(std::string_view codeText) const {
    if (!loaded || codeText.size() != 6)
        return 0;
    std::string wanted(codeText);
    for (char& c : wanted)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (wanted == kEmptySlot)
        return 0;
    int found = 0;
    for (std::size_t i = 0; i < slots.size(); ++i)
        if (slots[i] == wanted)
            found = static_cast<int>(i) + 1;
    return found;
}

Result<GunKeyList> ParseGunKeyList(ByteView bytes) {
    if (bytes.size() != kGunKeyListSize)
        return MakeError("", "the gun-key list holds " + std::to_string(bytes.size()) +
                                 " bytes instead of " + std::to_string(kGunKeyListSize));
    GunKeyList list;
    for (std::size_t i = 0; i < kGunKeySlotCount; ++i) {
        const FireMacroKey code{bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]};
        const bool empty = code[0] == 0 && code[1] == 0 && code[2] == 0;
        if (!empty && !IsFireMacroCode(code))
            return MakeError("", "slot " + std::to_string(i + 1) + " of the gun-key list holds " +
                                     FireCodeText(code) + ", which is not a fire macro code");
        list.slots[i] = FireCodeText(code);
    }
    list.loaded = true;
    return list;
}

Result<GunKeyList> LoadGunKeyList(std::string_view programFolder) {
    std::string path(programFolder);
    path += kGunKeyListFileName;
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return GunKeyList{};
    if (error)
        return MakeError("", "cannot examine " + path + ": " + error.message());
    if (status.type() != std::filesystem::file_type::regular)
        return MakeError("", path + " is not a file");
    // One byte more than a good list, so that a longer file is seen as damaged rather than
    // refused as too large to read.
    auto bytes = ReadWholeFile(path, kGunKeyListSize + 1);
    if (!bytes)
        return bytes.error();
    auto list = ParseGunKeyList(*bytes);
    if (!list)
        return MakeError("", path + ": " + list.error().detail);
    return list;
}

} // namespace orln7a
