#pragma once

// The settings holders: the value of every image field between reading an image and building
// the next one. The page editors change them; ReadImageIntoStore fills them and
// BuildImageFromStore writes them back (image_codec.h). Each field carries the name of the
// window's holder control in its comment, by which the widgets bind to it.
//
// Holder kinds follow the controls they stand for: a combo box holds an item index (kNoItem when
// nothing is selected), an edit box holds text, a check box a flag, and a pair of radio buttons
// a RadioPair that is empty while neither button is checked.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orln7a {

inline constexpr int kNoItem = -1;

// true: the button whose image bit is 1 is checked; false: its partner; empty: neither.
using RadioPair = std::optional<bool>;

// The LED hardware of the mouse (radio holders rb_MCULED, rb_RBLED, rb_SyncLED, rb_BreLED).
enum class LedType { MCULED, RBLED, SyncLED, BreLED };

struct ColorTexts {
    std::string r, g, b;
    friend bool operator==(const ColorTexts&, const ColorTexts&) = default;
};

struct SettingsStore {
    // Parameter A.
    RadioPair b4CpiSwitch;             // rb_B4CPIOn / rb_B4CPIOff: LED on/off with B4 + CPI
    RadioPair fireFn;                  // rb_FireFnOn / rb_FireFnOff: gun key on Fn + left key
    RadioPair lCpiSwitch;              // rb_LCPIOn / rb_LCPIOff: LED mode with left + CPI
    RadioPair keyModeNotSaved;         // rb_NoSave / rb_Save
    int sensorOrientation = kNoItem;   // cb_SensorOri
    LedType ledType = LedType::MCULED; // rb_MCULED, rb_RBLED, rb_SyncLED, rb_BreLED
    bool midPress = false;             // cb_MidPress
    bool cpiPress = false;             // cb_CPIPress
    bool gunPress = false;             // cb_GunPress
    bool smooth = false;               // cb_Smooth
    int cpiStep = kNoItem;             // cb_CPIStep: number of DPI levels minus 2
    RadioPair mcuLedFullBrightness;    // rb_MCULED3Control / rb_MCULED6Control
    std::string mcuLedNum;             // edt_MCULEDNum: 4 to 13 LEDs
    std::array<bool, 7> mcuLedModes{}; // cb_Mode1 .. cb_Mode7: offered flowing-light modes
    std::array<int, 7> cpi{kNoItem, kNoItem, kNoItem, kNoItem,
                           kNoItem, kNoItem, kNoItem}; // cb_CPI1 .. cb_CPI7: DPI value index
    std::array<ColorTexts, 7> cpiColor;                // edt_CPI1R .. edt_CPI7B

    // Parameter B.
    int currentCpi = kNoItem;        // cb_CurrentCPI: 0-based level
    int mcuLedCurrentMode = kNoItem; // cb_MCULEDCurrentMode: mode number minus 1
    int rbLedCurrentMode = kNoItem;  // cb_RBLEDCurrentMode: mode number minus 1
    RadioPair ledFlashOff;           // rb_LEDOff / rb_LEDOn: key-press LED flashing
    std::string mcuLedCrtStep;       // edt_MCULEDCrtStep: flowing-light step 0 to 7
    int keyMode = kNoItem;           // cb_KeyMode: 0 = key mode 1, 1 = key mode 2
    std::string vendorId;            // edt_VendorID
    std::string productId;           // edt_ProductID

    // Profile: six upper-case hex digits per button code.
    std::array<std::string, 9> profile1KeyTexts; // Profile1KeyTexts
    std::array<std::string, 9> profile2KeyTexts; // Profile2KeyTexts

    // Fire macro tables.
    std::array<std::string, 10> yOffset;       // edt_YOffset1 .. edt_YOffset10: -128 to 127
    std::array<ColorTexts, 10> fireMacroColor; // edt_FireMacroColor1R .. edt_FireMacroColor10B

    // Fire key section.
    bool isFireContinue = false; // cb_IsFireContinue
    int fireCount = kNoItem;     // cb_FireCount: shots minus 1
    std::string fireTime;        // edt_FireTime: interval 0 to 255

    friend bool operator==(const SettingsStore&, const SettingsStore&) = default;
};

// cb_SensorOri item index -> orientation code of 0x00 bits 4 to 6.
inline constexpr std::array<std::uint8_t, 8> kSensorOrientationCodes = {7, 2, 4, 1, 6, 5, 0, 3};
// The item of a code (0 to 7); the table above maps every code to exactly one item.
int SensorOrientationItem(std::uint8_t code);

// The LED type that 0x00 bit 7 and 0x01 bits 3 and 4 describe.
LedType DecodeLedType(std::uint8_t switchBits, std::uint8_t pressBits);
// Sets the type bits of `type`; 0x01 bit 4 is kept for the flowing and two-colour lights.
void EncodeLedType(LedType type, std::uint8_t& switchBits, std::uint8_t& pressBits);
// "MCULED", "RBLED", "SyncLED", "BreLED".
std::string_view LedTypeName(LedType type);

} // namespace orln7a
