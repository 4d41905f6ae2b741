#include "ui/layout_plan.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <utility>
#include <vector>

namespace orln7a {

namespace {

std::string Num(const std::string& prefix, int k, const std::string& suffix = {}) {
    return prefix + std::to_string(k) + suffix;
}

// Reads keys and builds the plan; the first missing or malformed key is remembered and every
// later read yields 0, so the families stay straight-line code and the error is still exact.
class Planner {
public:
    static constexpr int kLimit = 1000000;

    Planner(const SettingsSection& table, const LayoutInputs& inputs)
        : table_(table), inputs_(inputs) {}

    int N(const std::string& key) {
        if (error_)
            return 0;
        const auto value = table_.Number(key);
        if (!value) {
            error_ = MakeError("", "layout table " + table_.name() + ": key " + key +
                                       " is missing or not a number");
            return 0;
        }
        // No pixel value is anywhere near this; refusing it keeps the sums below from
        // overflowing.
        if (*value < -kLimit || *value > kLimit) {
            error_ = MakeError("", "layout table " + table_.name() + ": key " + key +
                                       " is out of range");
            return 0;
        }
        return *value;
    }
    Rgb Colour(const std::string& prefix) {
        const int r = N(prefix + "_R");
        const int g = N(prefix + "_G");
        return Rgb{r, g, N(prefix + "_B")};
    }
    PixelSize Image(const std::string& name) {
        const auto it = inputs_.imageSizes.find(name);
        if (it != inputs_.imageSizes.end())
            return it->second;
        if (!error_)
            error_ = MakeError("", "no size known for the skin image " + name);
        return {};
    }
    ControlPlan& C(const std::string& name) { return plan_.controls[name]; }
    void Move(const std::string& name, int x, int y) {
        C(name).x = x;
        C(name).y = y;
    }
    void Show(const std::string& name, bool on) { C(name).visible = on; }
    void Font(const std::string& name, int size) { C(name).fontSize = size; }
    void Text(const std::string& name, Rgb colour) { C(name).textColour = colour; }
    void Sized(const std::string& name, PixelSize size) {
        C(name).width = size.width;
        C(name).height = size.height;
    }

    void Chrome();
    void AssignmentPage();
    void SettingsPage();
    void LightingPage();
    void MacroPage();
    void GunPage();
    void CaptionLabels();

    Result<LayoutPlan> Finish() {
        if (error_)
            return *error_;
        return std::move(plan_);
    }

private:
    // Image + label button group of the window chrome, applied to the four page copies.
    void ChromeGroup(const std::string& key, const std::string& control, const std::string& image,
                     bool inset);
    void XY(const std::string& key, const std::string& name) {
        const int x = N(key + "_X");
        Move(name, x, N(key + "_Y"));
    }

    const SettingsSection& table_;
    const LayoutInputs& inputs_;
    LayoutPlan plan_;
    std::optional<Error> error_;
};

const std::array<const char*, 8> kActionButtons = {"Confirm",  "Apply",    "Read", "Confirm1",
                                                   "Confirm2", "Confirm3", "Save", "Load"};
const std::array<const char*, 8> kPageButtons = {"Main",  "Second", "Adv",   "Breath",
                                                 "Macro", "Lang1",  "Lang2", "Lang3"};

void Planner::ChromeGroup(const std::string& key, const std::string& control,
                          const std::string& image, bool inset) {
    const bool enabled = N(key + "_Enable") == 1;
    int x = 0, y = 0;
    if (enabled) {
        x = N(key + "_X");
        y = N(key + "_Y");
    }
    const PixelSize size = Image(image);
    const int spaceF = plan_.colours.btnSpaceF, spaceB = plan_.colours.btnSpaceB;
    for (int n = 1; n <= 4; ++n) {
        const std::string img = Num("Img_" + control + "_", n);
        const std::string lbl = Num("Btn_" + control + "_", n);
        Show(img, enabled);
        Show(lbl, enabled);
        if (!enabled)
            continue;
        Move(img, x, y);
        if (inset) {
            Move(lbl, x + spaceF, y);
            Sized(lbl, {size.width - spaceF - spaceB, size.height});
        } else {
            Move(lbl, x, y);
            Sized(lbl, size);
        }
    }
}

void Planner::Chrome() {
    const int sizeA = N("Size_A");
    const Rgb colourA = Colour("Color_A");
    for (int n = 1; n <= 4; ++n)
        for (const char* b : kActionButtons) {
            Font(Num(std::string("Btn_") + b + "_", n), sizeA);
            Text(Num(std::string("Btn_") + b + "_", n), colourA);
        }
    const std::vector<std::pair<int, std::pair<const char*, const char*>>> aGroups = {
        {1, {"Confirm", "BtnS_01"}},  {2, {"Apply", "BtnS_01"}},    {8, {"Read", "BtnS_01"}},
        {3, {"Confirm1", "BtnS_01"}}, {5, {"Confirm2", "BtnS_01"}}, {6, {"Confirm3", "BtnS_01"}},
        {4, {"Exit", "ExitS_01"}},    {7, {"Mini", "MiniS_01"}}};
    for (const auto& [k, g] : aGroups)
        ChromeGroup(Num("Btn_A", k), g.first, g.second, false);

    const int sizeB = N("Size_B");
    const Rgb colourB = Colour("Color_B");
    for (int n = 1; n <= 4; ++n)
        for (const char* b : kPageButtons) {
            Font(Num(std::string("Btn_") + b + "_", n), sizeB);
            Text(Num(std::string("Btn_") + b + "_", n), colourB);
        }
    plan_.colours.btnSpaceF = N("Btn_Space_F");
    plan_.colours.btnSpaceB = N("Btn_Space_B");
    const std::vector<std::pair<int, std::pair<const char*, const char*>>> bGroups = {
        {1, {"Main", "SetS_01"}},   {2, {"Second", "SetS_01"}}, {4, {"Adv", "SetS_01"}},
        {5, {"Breath", "SetS_01"}}, {11, {"Macro", "SetS_01"}}, {6, {"Save", "BtnS_01"}},
        {7, {"Load", "BtnS_01"}},   {8, {"Lang1", "Lang_01"}},  {9, {"Lang2", "Lang_01"}},
        {10, {"Lang3", "Lang_01"}}};
    for (const auto& [k, g] : bGroups)
        ChromeGroup(Num("Btn_B", k), g.first, g.second, true);
}

void Planner::AssignmentPage() {
    const int sizeC = N("Size_C");
    const Rgb colourC = Colour("Color_C");
    for (int k = 1; k <= 9; ++k) {
        Font(Num("Key", k), sizeC);
        Text(Num("Key", k), colourC);
    }
    for (int k = 1; k <= 3; ++k) {
        Font(Num("IB_ComboKey", k), sizeC - 1);
        Text(Num("IB_ComboKey", k), colourC);
    }
    XY("P1", "Img_P1");
    for (int k = 1; k <= 9; ++k) {
        const std::string key = Num("Key", k), img = Num("Img_Key", k);
        const bool enabled = N(key + "_Enable") == 1;
        Show(key, enabled);
        Show(img, enabled);
        if (!enabled)
            continue;
        const int x = N(key + "_X"), y = N(key + "_Y"), width = N("Key_Width");
        for (const std::string& name : {key, img}) {
            Move(name, x, y);
            C(name).width = width;
        }
    }
    for (int k = 1; k <= 3; ++k) {
        const std::string key = Num("ComboKey", k);
        const std::string img = Num("Img_ComboKey", k), hint = Num("IB_ComboKey", k);
        bool enabled = N(key + "_Enable") == 1;
        if (enabled) {
            const int x = N(key + "_X"), y = N(key + "_Y");
            Move(img, x, y);
            Move(hint, x + N("ComboKey_D"), y + N("ComboKey_H"));
        }
        if (k == 3) {
            plan_.comboKey3Enabled = enabled;
            // The gun-key hint only makes sense on mice with gun presets, in the gaming profile.
            enabled = enabled && inputs_.gdEnable && inputs_.gamingProfile;
        }
        Show(img, enabled);
        Show(hint, enabled);
    }
    const int comboWidth = N("Combox_Width");
    for (int k = 1; k <= 3; ++k)
        C(Num("IB_ComboKey", k)).width = comboWidth;

    LayoutColours& c = plan_.colours;
    c.menuFontSize = N("Size_G");
    c.menuText = Colour("Color_G");
    c.menuBack = Colour("Color_G_Back");
    const Rgb border = Colour("Color_G_Border");
    for (const char* panel : {"Pnl_Main", "Pnl_Special", "Pnl_CPIKey", "Pnl_MseKey", "Pnl_Media",
                              "Pnl_MyPC", "Pnl_WWW", "LB_Name"}) {
        C(panel).background = c.menuBack;
        C(panel).border = border;
    }
    Font("LB_Name", c.menuFontSize);
    Text("LB_Name", c.menuText);
    c.menuHoverText = Colour("Color_G_SF");
    c.menuHoverBack = Colour("Color_G_SP");
    c.macro = Colour("Color_MACRO");
    c.macroListBack = Colour("Color_F_LBack");
    c.mainMenuWidth = N("M_L_W");
    C("Pnl_Main").width = c.mainMenuWidth;
    c.specialMenuWidth = N("SP_L_W");
    C("Pnl_Special").width = c.specialMenuWidth;
    C("ST_CPIKey").x = c.specialMenuWidth - 24;
    c.subMenuWidth = N("O_L_W");
    for (const char* panel : {"Pnl_CPIKey", "Pnl_MseKey", "Pnl_Media", "Pnl_MyPC", "Pnl_WWW"})
        C(panel).width = c.subMenuWidth;
}

void Planner::SettingsPage() {
    const int sizeD = N("Size_D");
    LayoutColours& c = plan_.colours;
    c.dpiSelected = Colour("Color_D_Selected");
    c.dpiNotSelected = Colour("Color_D_notSelected");
    std::vector<std::string> small = {"lbl_AIMKeyValue", "Edt_Repeat1", "Edt_DelayTime1"};
    for (int k = 1; k <= 11; ++k)
        for (const char* t : {"lbl_Spd", "lbl_DbSpd", "lbl_ScrSpd"})
            small.push_back(Num(t, k));
    for (int k = 1; k <= 7; ++k)
        small.push_back(Num("lbl_DPI", k, "Value"));
    for (const std::string& name : small) {
        Font(name, sizeD);
        Text(name, c.dpiNotSelected);
    }
    for (int k = 1; k <= 7; ++k)
        Font(Num("lbl_DPI", k), sizeD + 1);
    Font("lbl_AIMKey", sizeD + 1);
    Text("lbl_AIMKey", c.dpiSelected);
    const Rgb back = Colour("Color_D_Back"), border = Colour("Color_D_Border");
    for (const char* edit : {"Edt_Repeat1", "Edt_DelayTime1"}) {
        C(edit).background = back;
        C(edit).border = border;
    }
    XY("P2", "Img_P2");
    XY("FKCnt", "Edt_Repeat1");
    XY("FKDelay", "Edt_DelayTime1");
    const std::array<std::array<const char*, 3>, 3> checks = {
        {{"IsFireContinue", "Img_FireContinue", "lbl_FireContinue"},
         {"IsControl", "Img_IsControl", "lbl_IsControl"},
         {"IsScreen", "Img_IsScreen", "lbl_IsScreen"}}};
    for (std::size_t i = 0; i < checks.size(); ++i) {
        const int x = N(std::string(checks[i][0]) + "_X");
        const int y = N(std::string(checks[i][0]) + "_Y");
        Move(checks[i][1], x, y);
        Move(checks[i][2], x - (i == 2 ? 2 : 8), y);
    }
    const int spdX = N("Spd_X"), spdY = N("Spd_Y"), spdD = N("Spd_D");
    const int dbX = N("DbSpd_X"), dbY = N("DbSpd_Y");
    const int scrX = N("ScrSpd_X"), scrY = N("ScrSpd_Y");
    const std::array<std::tuple<const char*, const char*, int, int>, 3> sliders = {
        {{"slider_Spd", "lbl_Spd", spdX, spdY},
         {"slider_DbSpd", "lbl_DbSpd", dbX, dbY},
         {"slider_SrcSpd", "lbl_ScrSpd", scrX, scrY}}};
    for (const auto& [slider, tick, x, y] : sliders) {
        Move(slider, x, y);
        for (int k = 1; k <= 11; ++k)
            Move(Num(tick, k), x + (k - 1) * spdD + 4, y + 26);
    }
    const PixelSize frame = Image("Col_F");
    const int rangeMax = (std::clamp(inputs_.dpiCount, 1, kLimit) - 1) * 100;
    for (int k = 1; k <= 7; ++k) {
        const std::string d = Num("DPI", k);
        const int x = N(d + "_Color_X"), y = N(d + "_Color_Y");
        for (const std::string& name :
             {Num("Img_DPI", k, "Col"), Num("cs_DPI", k, "Col"), Num("lbl_DPI", k, "Col")})
            Move(name, x, y);
        Sized(Num("cs_DPI", k, "Col"), frame);
        Sized(Num("lbl_DPI", k, "Col"), frame);
        XY(d + "_Check", Num("Img_DPI", k));
        XY(d, Num("lbl_DPI", k));
        XY(d + "_Value", Num("lbl_DPI", k, "Value"));
        XY(d + "_Steps", Num("slider_DPI", k));
        N(d + "_Steps_D");
        C(Num("slider_DPI", k)).rangeMax = rangeMax;
    }
    XY("AIMKey", "lbl_AIMKey");
    XY("AIMKey_Value", "lbl_AIMKeyValue");
    XY("AIMKey_Steps", "slider_DPI8");
    N("AIMKey_Steps_D");
    C("slider_DPI8").rangeMax = rangeMax;
    XY("DPI_Count", "cbb_DPICount");
    Show("cbb_DPICount", N("DPI_Count_Visible") == 1);
    const Rgb sliderBack = Colour("Color_BG_Slider");
    std::vector<std::string> all = {"slider_Spd", "slider_DbSpd", "slider_SrcSpd",
                                    "slider_Breath_Speed"};
    for (int k = 1; k <= 8; ++k)
        all.push_back(Num("slider_DPI", k));
    for (const std::string& s : all)
        C(s).background = sliderBack;
}

void Planner::LightingPage() {
    const int sizeE = N("Size_E");
    const Rgb colourE = Colour("Color_E");
    for (int k = 1; k <= 8; ++k) {
        Font(Num("lbl_MCULEDStep_", k), sizeE);
        Text(Num("lbl_MCULEDStep_", k), colourE);
    }
    for (int k = 1; k <= 10; ++k) {
        Font(Num("lbl_MCULEDNum_", k), sizeE);
        Text(Num("lbl_MCULEDNum_", k), colourE);
    }
    XY("P3", "Img_P3");
    XY("LEDOn", "Img_LEDOn");
    XY("LEDOff", "Img_LEDOff");
    std::vector<std::pair<std::string, std::string>> options = {{"B4CPIOn", "B4CPIOn"},
                                                                {"B4CPIOff", "B4CPIOff"},
                                                                {"LEDSwitchOn", "LCPIOn"},
                                                                {"LEDSwitchOff", "LCPIOff"},
                                                                {"SaveKeyMode", "SaveKeyMode"},
                                                                {"NoSaveKeyMode", "NoSaveKeyMode"},
                                                                {"LED3Control", "MCULED3Control"},
                                                                {"LED6Control", "MCULED6Control"}};
    for (int k = 1; k <= 7; ++k) {
        options.push_back({Num("MCULEDMode", k), Num("MCULEDMode", k)});
        options.push_back({Num("RBLEDMode", k), Num("RBLEDMode", k)});
    }
    for (const auto& [key, control] : options) {
        const int x = N(key + "_X"), y = N(key + "_Y");
        Move("Img_" + control, x, y);
        Move("lbl_" + control, x - 4, y - 2);
    }
    const int numX = N("MCULEDNum_X"), numY = N("MCULEDNum_Y"), numD = N("MCULEDNum_D");
    const int segment = Image("Bar1_E").width;
    for (int k = 1; k <= 10; ++k) {
        const int x = numX + (k - 1) * (segment + numD);
        Move(Num("Img_MCULEDNum_", k), x, numY);
        const int label = inputs_.numOrderDescending ? 11 - k : k;
        Move(Num("lbl_MCULEDNum_", label), x, numY + 24);
    }
    const int stepX = N("MCULEDStep_X"), stepY = N("MCULEDStep_Y");
    N("MCULEDStep_D");
    for (int k = 1; k <= 8; ++k)
        Move(Num("Img_MCULEDStep_", k), 9000, stepY);
    Move("slider_Breath_Speed", stepX, stepY);
}

void Planner::MacroPage() {
    const int sizeF = N("Size_F");
    LayoutColours& c = plan_.colours;
    c.macroText = Colour("Color_F");
    for (const char* name : {"LB_PCMacroName", "LB_MacroName", "LB_macro", "CB_Insert", "Btn_New",
                             "Btn_Start", "Btn_InsertStart", "Btn_OK", "Btn_Cancel"})
        Font(name, sizeF);
    for (const char* name :
         {"Btn_New", "Btn_Start", "CB_Insert", "IB_InsertRecDelay", "IB_InsertDelayTime",
          "IB_InsertNoDelay", "lbl_Delay", "lbl_s_A", "Btn_InsertStart", "Btn_OK", "Btn_Cancel"})
        Text(name, c.macroText);
    c.macroListBack = Colour("Color_F_LBack");
    for (const char* name : {"LB_PCMacroName", "LB_MacroName", "LB_macro", "CB_Insert"})
        C(name).background = c.macroListBack;
    const Rgb border = Colour("Color_F_LBorder");
    const std::array<const char*, 6> edits = {"Edt_Delay",  "Edt_Circle_Times", "Edt_InsertDelay",
                                              "edt_Repeat", "edt_XAxisValue",   "edt_YAxisValue"};
    for (const char* e : edits)
        C(e).border = border;
    c.macroButtonText = Colour("Color_F_Font");
    c.macroButtonBack = Colour("Color_F_Back");
    for (const char* name :
         {"Btn_NewMacro", "Btn_ImportOne", "Btn_Export", "Btn_Import", "Btn_ExportOne",
          "Btn_NewName", "Btn_DelPCMacro", "Btn_Del", "Btn_Insert", "Btn_Edit"}) {
        Text(name, c.macroButtonText);
        C(name).background = c.macroButtonBack;
    }
    for (const char* e : edits) {
        Text(e, c.macroButtonText);
        C(e).background = c.macroButtonBack;
    }
    for (const char* name : {"LB_PCMacroName", "LB_MacroName", "LB_macro"})
        Text(name, c.macroButtonText);
    XY("P4", "Img_P4");
    XY("PCMacroName", "LB_PCMacroName");
    C("LB_PCMacroName").height = N("PCMacroName_H");
    C("LB_PCMacroName").width = N("PCMacroName_W");
    XY("MacroContent", "LB_macro");
    C("LB_macro").width = N("MacroContent_W");
    c.macroNameHeight = N("MacroNameHeight");
    const std::array<std::array<const char*, 4>, 3> pairs = {
        {{"BtnNew", "Img_New", "Btn_New", "MacroS_01"},
         {"BtnStart", "Img_Start", "Btn_Start", "MacroS_03"},
         {"BtnDelete", "Img_Delete", "Btn_Delete", "MacroS_01"}}};
    for (const auto& [key, img, lbl, art] : pairs) {
        const int x = N(std::string(key) + "_X"), y = N(std::string(key) + "_Y");
        Move(img, x, y);
        Move(lbl, x, y);
        Sized(lbl, Image(art));
    }
    XY("DelayTime", "Gb_Delay");
    const std::array<std::array<const char*, 3>, 3> delays = {
        {{"RecDelay", "LED_RecDelay", "IB_RecDelay"},
         {"DelaySetting", "LED_DelayTime", "IB_DelayTime"},
         {"NoDelay", "LED_NoDelay", "IB_NoDelay"}}};
    for (const auto& [key, img, lbl] : delays) {
        const int x = N(std::string(key) + "_X"), y = N(std::string(key) + "_Y");
        Move(img, x, y);
        Move(lbl, x - 2, y);
    }
    N("RecDelay_H");
    XY("DelayEdit", "Edt_Delay");
    XY("CircleEdit", "Edt_Circle_Times");
    XY("ReleaseStop", "Img_ReleaseStop");
    XY("ReleaseContinue", "Img_ReleaseContiue");
    XY("CircleTimes", "Img_CircleTimes");
    XY("CircleAll", "Img_CircleAll");
    const int insX = N("Insert_X"), insY = N("Insert_Y");
    Move("Gb_Insert", insX, insY);
    Move("Img_InsertBase", insX + 10, insY + 10);
    XY("InsertList", "CB_Insert");
    const int irX = N("InsertRecDelay_X"), irY = N("InsertRecDelay_Y");
    const int irH = N("InsertRecDelay_H");
    const std::array<std::pair<const char*, const char*>, 3> insertOptions = {
        {{"LED_InsertRecDelay", "IB_InsertRecDelay"},
         {"LED_InsertDelayTime", "IB_InsertDelayTime"},
         {"LED_InsertNoDelay", "IB_InsertNoDelay"}}};
    for (int i = 0; i < 3; ++i) {
        Move(insertOptions[i].first, irX, irY + i * irH);
        Move(insertOptions[i].second, irX - 2, irY + i * irH);
    }
    const int idX = N("InsertDelayEdit_X"), idY = N("InsertDelayEdit_Y");
    Move("Edt_InsertDelay", idX, idY);
    Move("lbl_Delay", idX - 74, idY + 2);
    Move("lbl_s_A", idX + 44, idY + 2);
    const int axX = N("InsertAxisEdit_X"), axY = N("InsertAxisEdit_Y");
    for (const char* e : {"edt_XAxisValue", "edt_YAxisValue", "edt_Repeat"})
        Move(e, axX, axY);
    for (const char* l : {"lbl_XAxisValue", "lbl_YAxisValue", "lbl_Repeat"})
        Move(l, axX - 64, axY + 2);
    const std::array<std::array<const char*, 3>, 3> insertButtons = {
        {{"InsertBtnStart", "Img_InsertStart", "Btn_InsertStart"},
         {"InsertBtnOK", "Img_OK", "Btn_OK"},
         {"InsertBtnCancel", "Img_Cancel", "Btn_Cancel"}}};
    for (const auto& [key, img, lbl] : insertButtons) {
        const int x = N(std::string(key) + "_X"), y = N(std::string(key) + "_Y");
        Move(img, x, y);
        Move(lbl, x, y);
    }
    c.macroButtonPanelWidth = N("Edit_PCMarco_Width");
    C("Pnl_PCMacro").width = c.macroButtonPanelWidth;
}

void Planner::GunPage() {
    const int sizeJ = N("Size_J");
    const Rgb textF = Colour("Color_F");
    Text("Btn_FireConfirm", textF);
    Text("Btn_FireExit", textF);
    const Rgb font = Colour("Color_J_Font"), back = Colour("Color_J_Back");
    const Rgb border = Colour("Color_J_Border");
    XY("P5", "Img_P5");
    const PixelSize gun = Image("Gun1_02");
    for (int k = 1; k <= 7; ++k) {
        const int x = N(Num("Fire", k, "_X")), y = N(Num("Fire", k, "_Y"));
        Move(Num("Img_Fire", k), x, y);
        Move(Num("Btn_Fire", k), x, y);
        Sized(Num("Btn_Fire", k), gun);
    }
    for (int k = 1; k <= 5; ++k)
        XY(Num("GunMode", k), Num("Img_GunMode", k));
    const PixelSize check = Image("CbS_D");
    for (int k = 1; k <= 3; ++k) {
        const int x = N(Num("RKFS", k, "_X")), y = N(Num("RKFS", k, "_Y"));
        Move(Num("Img_FireRKFS", k), x, y);
        Move(Num("lbl_FireRKFS", k), x - 2, y);
        Sized(Num("lbl_FireRKFS", k), {check.width + 4, check.height + 4});
    }
    const std::array<std::pair<const char*, const char*>, 5> columns = {
        {{"FireCnt", "Edt_FireCnt"},
         {"FireX", "Edt_FireX"},
         {"FireY", "Edt_FireY"},
         {"FireY_Offset", "Edt_FireYOffset"},
         {"FireTime", "Edt_FireTime"}}};
    for (int k = 1; k <= 3; ++k)
        for (const auto& [key, edit] : columns) {
            // The offset keys carry the column number in the middle: FireY1_Offset_X.
            const std::string base =
                std::string(key) == "FireY_Offset" ? Num("FireY", k, "_Offset") : Num(key, k);
            const std::string name = std::string(edit) == "Edt_FireYOffset"
                                         ? Num("Edt_FireY", k, "Offset")
                                         : Num(edit, k);
            XY(base, name);
            Font(name, sizeJ);
            Text(name, font);
            C(name).background = back;
            C(name).border = border;
        }
    const PixelSize frame = Image("Col_F");
    for (int k = 1; k <= 3; ++k) {
        const int x = N(Num("FireColor", k, "_X")), y = N(Num("FireColor", k, "_Y"));
        for (const std::string& name :
             {Num("Img_FireColor", k), Num("cs_FireColor", k), Num("IB_FireColor", k)})
            Move(name, x, y);
        Sized(Num("cs_FireColor", k), frame);
        Sized(Num("IB_FireColor", k), frame);
    }
    const PixelSize button = Image("BtnS_01");
    for (const auto& [key, img, lbl] : std::array<std::array<const char*, 3>, 2>{
             {{"FireConfirm", "Img_FireConfirm", "Btn_FireConfirm"},
              {"FireCancel", "Img_FireExit", "Btn_FireExit"}}}) {
        const int x = N(std::string(key) + "_X"), y = N(std::string(key) + "_Y");
        Move(img, x, y);
        Move(lbl, x, y);
        Sized(lbl, button);
    }
}

void Planner::CaptionLabels() {
    static const std::array<std::pair<const char*, const char*>, 44> captions = {{
        {"Fire_Key", "lbl_FireKey"},
        {"Fire_Key_Count", "lbl_Fire_Count"},
        {"Fire_Key_Time", "lbl_Fire_Time"},
        {"Fire_Key_Continue", "lbl_Fire_Continue"},
        {"Mouse_Speed", "lbl_Mouse_Speed"},
        {"Mouse_IsControl", "lbl_Is_Control"},
        {"Mouse_Double_Click", "lbl_Double_Click"},
        {"Mouse_Roller_Speed", "lbl_Roller_Speed"},
        {"Mouse_Roll_All_Screen", "lbl_Roll_All_Screen"},
        {"DPI_Setting", "lbl_DPI_Setting"},
        {"DPI_Value", "lbl_DPI_Value"},
        {"DPI_Note", "lbl_DPI_Note"},
        {"LED_Status", "lbl_LED_Status"},
        {"LED_On", "lbl_LEDOn"},
        {"LED_Off", "lbl_LEDOff"},
        {"LCPI_Status", "lbl_LLED_Status"},
        {"LCPI_On", "lbl_LCPIOn"},
        {"LCPI_Off", "lbl_LCPIOff"},
        {"MCPI_Status", "lbl_MCPI_Status"},
        {"MCPI_On", "lbl_B4CPIOn"},
        {"MCPI_Off", "lbl_B4CPIOff"},
        {"LED_Light_Status", "lbl_Led_Light"},
        {"LED_Light_All", "lbl_SaveKeyMode"},
        {"LED_Light_Half", "lbl_NoSaveKeyMode"},
        {"LED_Mode", "lbl_Led_Mode"},
        {"Marco_List", "lbl_Marco_List"},
        {"Marco_Content", "lbl_Marco_Content"},
        {"Marco_Record_Delay", "IB_RecDelay"},
        {"Marco_Delay_Setting", "IB_DelayTime"},
        {"Marco_No_Delay", "IB_NoDelay"},
        {"Marco_MS", "lbl_MS"},
        {"Marco_Stop_Release", "IB_ReleaseStop"},
        {"Marco_Stop_Over", "IB_ReleaseContiue"},
        {"Marco_Circle_Times", "IB_CircleTimes"},
        {"Marco_Circle_ALL", "IB_CircleAll"},
        {"Gun_Marco_Stop_Release", "lbl_Fire_Marco_Stop_Release"},
        {"Gun_Marco_Fire_Count", "lbl_Fire_Marco_Count"},
        {"Gun_Marco_Fire_Y", "lbl_Fire_Marco_Y"},
        {"Gun_Marco_Y_Offset", "lbl_Fire_Marco_Y_Offset"},
        {"Gun_Marco_Fire_Delay", "lbl_Fire_Marco_Delay"},
        {"Gun_Marco_Fire_Color", "lbl_Fire_Marco_Color"},
        {"LED_Effect_Setting", "lbl_LED_Effect_Setting"},
        {"LED_Effect_Slow", "lbl_LED_Effect_Slow"},
        {"LED_Effect_Fast", "lbl_LED_Effect_Fast"},
    }};
    for (const auto& [prefix, label] : captions) {
        const std::string p = std::string(prefix) + "_Lable";
        XY(p, label);
        Text(label, Colour(p));
        const int size = N(p + "_Size");
        Font(label, size);
        C(label).width = N(p + "_Width");
        // The two release captions wrap onto a second line.
        if (std::string(label) == "IB_ReleaseStop" || std::string(label) == "IB_ReleaseContiue")
            C(label).height = 2 * size;
    }
    const Rgb dpi = Colour("DPI_Lable");
    const int dpiSize = N("DPI_Lable_Size"), dpiWidth = N("DPI_Lable_Width");
    for (int k = 1; k <= 7; ++k) {
        Text(Num("lbl_DPI", k), dpi);
        Font(Num("lbl_DPI", k), dpiSize);
        C(Num("lbl_DPI", k)).width = dpiWidth;
    }
    const Rgb mode = Colour("LED_Mode_Option_Lable");
    const int modeSize = N("LED_Mode_Option_Lable_Size");
    for (int k = 1; k <= 7; ++k) {
        const std::string p = Num("LED_Mode_", k, "_Lable");
        const int x = N(p + "_X"), y = N(p + "_Y"), w = N(p + "_Width");
        for (const std::string& name : {Num("lbl_MCULEDMode", k), Num("lbl_RBLEDMode", k)}) {
            Move(name, x, y);
            C(name).width = w;
            Text(name, mode);
            Font(name, modeSize);
        }
    }
    const Rgb step = Colour("LED_Step_Option_Lable");
    const int stepSize = N("LED_Step_Option_Lable_Size");
    for (int k = 1; k <= 8; ++k) {
        const std::string p = Num("LED_Step_", k, "_Lable");
        const std::string name = Num("lbl_MCULEDStep_", k);
        XY(p, name);
        C(name).width = N(p + "_Width");
        Text(name, step);
        Font(name, stepSize);
    }
    plan_.wrapReleaseStop = N("Marco_Stop_Over_Lable_Wrap") == 1;
    plan_.wrapReleaseContinue = N("Marco_Stop_Release_Lable_Wrap") == 1;
}

} // namespace

LayoutInputs DefaultLayoutInputs() {
    LayoutInputs in;
    in.imageSizes = {{"BtnS_01", {110, 27}},   {"SetS_01", {110, 30}},   {"Lang_01", {110, 27}},
                     {"ExitS_01", {20, 20}},   {"MiniS_01", {20, 20}},   {"KeyS_01", {170, 27}},
                     {"MacroS_01", {110, 27}}, {"MacroS_03", {110, 27}}, {"MacroBtnS_01", {44, 27}},
                     {"CbS_D", {16, 16}},      {"RdS_D", {15, 15}},      {"Bar1_E", {26, 18}},
                     {"Col_F", {18, 18}},      {"Gun1_02", {120, 56}}};
    return in;
}

Result<LayoutPlan> PlanDisplaySet(const SettingsSection& table, const LayoutInputs& inputs) {
    Planner p(table, inputs);
    p.Chrome();
    p.AssignmentPage();
    p.SettingsPage();
    p.LightingPage();
    p.MacroPage();
    p.GunPage();
    p.CaptionLabels();
    return p.Finish();
}

} // namespace orln7a
