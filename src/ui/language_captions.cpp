#include "ui/language_captions.h"

#include <array>

namespace orln7a {

namespace {

using F = CaptionEntry::Form;

// In the order the language pass captions them: chrome, hints, menus, macro page, gun page,
// settings pages.
const CaptionEntry kCaptions[] = {
    {"Btn_Confirm", "Str000", F::Copies},
    {"Btn_Apply", "Str001", F::Copies},
    {"Btn_Read", "Str017", F::Copies},
    {"Btn_Confirm1", "Str002", F::Copies},
    {"Btn_Confirm2", "Str015", F::Copies},
    {"Btn_Confirm3", "Str016", F::Copies},
    {"Btn_Main", "Str004", F::Copies},
    {"Btn_Second", "Str005", F::Copies},
    {"Btn_Adv", "Str007", F::Copies},
    {"Btn_Breath", "Str008", F::Copies},
    {"Btn_Macro", "Str014", F::Copies},
    {"Btn_Save", "Str009", F::Copies},
    {"Btn_Load", "Str010", F::Copies},
    {"Btn_Lang1", "Str011", F::Copies},
    {"Btn_Lang2", "Str012", F::Copies},
    {"Btn_Lang3", "Str013", F::Copies},
    {"IB_ComboKey1", "Str700"},
    {"IB_ComboKey2", "Str701"},
    {"IB_ComboKey3", "Str702"},
    {"Key_Standard", "Str201", F::MenuEntry},
    {"Key_Special", "Str202", F::MenuEntry},
    {"Key_Media", "Str203", F::MenuEntry},
    {"Key_WWW", "Str204", F::MenuEntry},
    {"Key_Assembly", "Str205", F::MenuEntry},
    {"Key_Macro", "Str206", F::MenuEntry},
    {"Key_MyPC", "Str207", F::MenuEntry},
    {"Key_FireMacro", "Str208", F::MenuEntry},
    {"Key_Left", "Str210", F::MenuEntry},
    {"Key_Right", "Str211", F::MenuEntry},
    {"Key_Middle", "Str212", F::MenuEntry},
    {"Key_B4", "Str213", F::MenuEntry},
    {"Key_B5", "Str214", F::MenuEntry},
    {"Key_Fire", "Str220", F::MenuEntry},
    {"Key_AIMKey", "Str222", F::MenuEntry},
    {"Key_LEDMode", "Str226", F::MenuEntry},
    {"Key_LEDSwitch", "Str221", F::MenuEntry},
    {"Key_KeyMode", "Str225", F::MenuEntry},
    {"Key_KeyOff", "Str224", F::MenuEntry},
    {"Key_FnFire", "Str223", F::MenuEntry},
    {"Key_CPIKey", "Str230", F::MenuEntry},
    {"Key_CPI", "Str231", F::MenuEntry},
    {"Key_CPII", "Str232", F::MenuEntry},
    {"Key_CPID", "Str233", F::MenuEntry},
    {"Key_Computer", "Str240", F::MenuEntry},
    {"Key_Calculator", "Str241", F::MenuEntry},
    {"Key_EMail", "Str242", F::MenuEntry},
    {"Key_Desktop", "Str243", F::MenuEntry},
    {"Key_PlayPause", "Str250", F::MenuEntry},
    {"Key_Stop", "Str251", F::MenuEntry},
    {"Key_PreviousTrack", "Str252", F::MenuEntry},
    {"Key_NextTrack", "Str253", F::MenuEntry},
    {"Key_VolumePlus", "Str254", F::MenuEntry},
    {"Key_VolumeMinus", "Str255", F::MenuEntry},
    {"Key_Mute", "Str256", F::MenuEntry},
    {"Key_WWWHome", "Str260", F::MenuEntry},
    {"Key_WWWSearch", "Str261", F::MenuEntry},
    {"Key_WWWBack", "Str262", F::MenuEntry},
    {"Key_WWWForward", "Str263", F::MenuEntry},
    {"Key_WWWStop", "Str264", F::MenuEntry},
    {"Key_WWWRefresh", "Str265", F::MenuEntry},
    {"Key_WWWFavorites", "Str266", F::MenuEntry},
    {"Btn_NewName", "Str402"},
    {"Btn_New", "Str432"},
    {"Btn_Delete", "Str860"},
    {"Btn_Start", "Str400"},
    {"Btn_ExportOne", "Str404"},
    {"Btn_Export", "Str405"},
    {"Btn_ImportOne", "Str406"},
    {"Btn_Import", "Str407"},
    {"Btn_Edit", "Str435"},
    {"Btn_Del", "Str408"},
    {"Btn_Insert", "Str409"},
    {"Btn_NewMacro", "Str432"},
    {"Btn_DelPCMacro", "Str433"},
    {"CB_Insert", "Str410", F::ComboItem, 0},
    {"CB_Insert", "Str411", F::ComboItem, 1},
    {"CB_Insert", "Str412", F::ComboItem, 2},
    {"CB_Insert", "Str413", F::ComboItem, 3},
    {"CB_Insert", "Str440", F::ComboItem, 4},
    {"CB_Insert", "Str441", F::ComboItem, 5},
    {"CB_Insert", "Str442", F::ComboItem, 6},
    {"CB_Insert", "Str443", F::ComboItem, 7},
    {"IB_InsertRecDelay", "Str414", F::SevenBlanks},
    {"IB_InsertDelayTime", "Str415", F::SevenBlanks},
    {"IB_InsertNoDelay", "Str416", F::SevenBlanks},
    {"lbl_Delay", "Str417"},
    {"lbl_s_A", "Str418"},
    {"lbl_XAxisValue", "Str444"},
    {"lbl_YAxisValue", "Str445"},
    {"lbl_Repeat", "Str448"},
    {"Btn_InsertStart", "Str400"},
    {"Btn_OK", "Str420"},
    {"Btn_Cancel", "Str422"},
    {"lbl_Marco_List", "Str835", F::LeftPlain},
    {"lbl_Marco_Content", "Str836", F::LeftPlain},
    {"IB_RecDelay", "Str837", F::LeftPlain},
    {"IB_DelayTime", "Str838", F::LeftPlain},
    {"IB_NoDelay", "Str839", F::LeftPlain},
    {"lbl_MS", "Str840", F::LeftPlain},
    {"IB_ReleaseStop", "Str841", F::LeftPlain},
    {"IB_ReleaseContiue", "Str842", F::LeftPlain},
    {"IB_CircleTimes", "Str859", F::LeftPlain},
    {"IB_CircleAll", "Str861", F::LeftPlain},
    {"Btn_FireConfirm", "Str620"},
    {"Btn_FireExit", "Str621"},
    {"lbl_Fire_Marco_Stop_Release", "Str843", F::LeftPlain},
    {"lbl_Fire_Marco_Count", "Str844", F::LeftPlain},
    {"lbl_Fire_Marco_Y", "Str845", F::LeftPlain},
    {"lbl_Fire_Marco_Y_Offset", "Str846", F::LeftPlain},
    {"lbl_Fire_Marco_Delay", "Str847", F::LeftPlain},
    {"lbl_Fire_Marco_Color", "Str848", F::LeftPlain},
    {"lbl_FireKey", "Str800", F::LeftPlain},
    {"lbl_Fire_Count", "Str801", F::LeftPlain},
    {"lbl_Fire_Time", "Str802", F::LeftPlain},
    {"lbl_Fire_Continue", "Str803", F::LeftPlain},
    {"lbl_Mouse_Speed", "Str804", F::LeftPlain},
    {"lbl_Is_Control", "Str805", F::LeftPlain},
    {"lbl_Double_Click", "Str806", F::LeftPlain},
    {"lbl_Roller_Speed", "Str807", F::LeftPlain},
    {"lbl_Roll_All_Screen", "Str808", F::LeftPlain},
    {"lbl_DPI_Setting", "Str809", F::LeftPlain},
    {"lbl_DPI_Value", "Str810", F::LeftPlain},
    {"lbl_DPI_Note", "Str811", F::LeftPlain},
    {"lbl_LED_Status", "Str812", F::LeftPlain},
    {"lbl_LEDOn", "Str813", F::LeftPlain},
    {"lbl_LEDOff", "Str814", F::LeftPlain},
    {"lbl_LLED_Status", "Str815", F::LeftPlain},
    {"lbl_LCPIOn", "Str813", F::LeftPlain},
    {"lbl_LCPIOff", "Str814", F::LeftPlain},
    {"lbl_MCPI_Status", "Str816", F::LeftPlain},
    {"lbl_B4CPIOn", "Str813", F::LeftPlain},
    {"lbl_B4CPIOff", "Str814", F::LeftPlain},
    {"lbl_Led_Light", "Str817", F::LeftPlain},
    {"lbl_SaveKeyMode", "Str818", F::LeftPlain},
    {"lbl_NoSaveKeyMode", "Str819", F::LeftPlain},
    {"lbl_Led_Mode", "Str820", F::LeftPlain},
    {"lbl_MCULEDMode1", "Str821", F::LeftPlain},
    {"lbl_MCULEDMode2", "Str822", F::LeftPlain},
    {"lbl_MCULEDMode3", "Str823", F::LeftPlain},
    {"lbl_MCULEDMode4", "Str824", F::LeftPlain},
    {"lbl_MCULEDMode5", "Str825", F::LeftPlain},
    {"lbl_MCULEDMode6", "Str826", F::LeftPlain},
    {"lbl_MCULEDMode7", "Str827", F::LeftPlain},
    {"lbl_RBLEDMode1", "Str828", F::LeftPlain},
    {"lbl_RBLEDMode2", "Str829", F::LeftPlain},
    {"lbl_RBLEDMode3", "Str830", F::LeftPlain},
    {"lbl_RBLEDMode4", "Str831", F::LeftPlain},
    {"lbl_RBLEDMode5", "Str832", F::LeftPlain},
    {"lbl_RBLEDMode6", "Str833", F::LeftPlain},
    {"lbl_RBLEDMode7", "Str834", F::LeftPlain},
    {"lbl_DPI1", "Str849", F::LeftPlain},
    {"lbl_DPI2", "Str850", F::LeftPlain},
    {"lbl_DPI3", "Str851", F::LeftPlain},
    {"lbl_DPI4", "Str852", F::LeftPlain},
    {"lbl_DPI5", "Str853", F::LeftPlain},
    {"lbl_DPI6", "Str854", F::LeftPlain},
    {"lbl_DPI7", "Str855", F::LeftPlain},
    {"lbl_LED_Effect_Setting", "Str856", F::LeftPlain},
    {"lbl_LED_Effect_Slow", "Str857", F::LeftPlain},
    {"lbl_LED_Effect_Fast", "Str858", F::LeftPlain},
    // The AIM level is captioned with the AIM function's name.
    {"lbl_AIMKey", "Str222"},
};

} // namespace

std::span<const CaptionEntry> LanguageCaptions() {
    return kCaptions;
}

std::string CaptionText(const CaptionEntry& entry, const std::string& text,
                        const std::string& bullet) {
    switch (entry.form) {
    case F::MenuEntry:
        return " " + bullet + " " + text;
    case F::SevenBlanks:
        return "       " + text;
    default:
        return text;
    }
}

std::string WrapAtDash(const std::string& text) {
    const auto dash = text.find('-');
    if (dash == std::string::npos)
        return text;
    return text.substr(0, dash) + " \n\r" + text.substr(dash + 1);
}

} // namespace orln7a
