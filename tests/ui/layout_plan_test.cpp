#include "ui/layout_plan.h"
#include "ui/resource_catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orln7a {
namespace {

std::string BuiltInText(int set) {
    const auto bytes = DataResourceBytes("ORG" + std::to_string(set));
    return std::string(bytes.begin(), bytes.end());
}

// The built-in table of set 1 with some entries put in front; the first occurrence wins.
Result<LayoutPlan> PlanWith(const std::string& overrides,
                            LayoutInputs inputs = DefaultLayoutInputs()) {
    std::string text = BuiltInText(1);
    text.insert(text.find("[org1]") + 8, overrides);
    const SettingsText parsed = SettingsText::Parse(text);
    const SettingsSection* section = parsed.Section("org1");
    if (section == nullptr)
        return MakeError("", "no section");
    return PlanDisplaySet(*section, inputs);
}

const ControlPlan& Get(const LayoutPlan& plan, const std::string& name) {
    static const ControlPlan none;
    const auto it = plan.controls.find(name);
    return it == plan.controls.end() ? none : it->second;
}

TEST(LayoutPlan, KeyFamiliesMoveTheirControls) {
    struct Case {
        const char* overrides;
        const char* control;
        std::optional<int> x, y, width, height;
    };
    const std::vector<Case> cases = {
        {"Btn_A2_Enable=1\nBtn_A2_X=30\nBtn_A2_Y=400\n", "Btn_Apply_3", 30, 400, 110, 27},
        {"Btn_A7_Enable=1\nBtn_A7_X=900\nBtn_A7_Y=12\n", "Img_Mini_4", 900, 12, {}, {}},
        {"Btn_B8_Enable=1\nBtn_B8_X=40\nBtn_B8_Y=20\nBtn_Space_F=4\nBtn_Space_B=2\n", "Btn_Lang1_2",
         44, 20, 104, 27},
        {"Key3_Enable=1\nKey3_X=400\nKey3_Y=250\nKey_Width=150\n", "Img_Key3", 400, 250, 150, {}},
        {"ComboKey2_Enable=1\nComboKey2_X=300\nComboKey2_Y=420\nComboKey_D=20\nComboKey_H=-"
         "2\n",
         "IB_ComboKey2",
         320,
         418,
         {},
         {}},
        {"Spd_X=200\nSpd_Y=100\nSpd_D=25\n", "lbl_Spd11", 200 + 10 * 25 + 4, 126, {}, {}},
        {"ScrSpd_X=210\nScrSpd_Y=300\nSpd_D=20\n", "lbl_ScrSpd2", 234, 326, {}, {}},
        {"DPI4_Color_X=950\nDPI4_Color_Y=300\n", "lbl_DPI4Col", 950, 300, 18, 18},
        {"DPI2_Steps_X=700\nDPI2_Steps_Y=240\n", "slider_DPI2", 700, 240, {}, {}},
        {"MCULEDNum_X=600\nMCULEDNum_Y=420\nMCULEDNum_D=4\n", "Img_MCULEDNum_3", 660, 420, {}, {}},
        {"MCULEDNum_X=600\nMCULEDNum_Y=420\nMCULEDNum_D=4\n", "lbl_MCULEDNum_3", 660, 444, {}, {}},
        {"MCULEDStep_X=220\nMCULEDStep_Y=430\n", "Img_MCULEDStep_5", 9000, 430, {}, {}},
        {"MCULEDStep_X=220\nMCULEDStep_Y=430\n", "slider_Breath_Speed", 220, 430, {}, {}},
        {"B4CPIOff_X=300\nB4CPIOff_Y=310\n", "Img_B4CPIOff", 300, 310, {}, {}},
        {"IsScreen_X=230\nIsScreen_Y=400\n", "lbl_IsScreen", 228, 400, {}, {}},
        {"IsControl_X=230\nIsControl_Y=380\n", "lbl_IsControl", 222, 380, {}, {}},
        {"InsertRecDelay_X=20\nInsertRecDelay_Y=60\nInsertRecDelay_H=26\n",
         "IB_InsertNoDelay",
         18,
         112,
         {},
         {}},
        {"InsertDelayEdit_X=110\nInsertDelayEdit_Y=140\n", "lbl_Delay", 36, 142, {}, {}},
        {"Insert_X=700\nInsert_Y=180\n", "Img_InsertBase", 710, 190, {}, {}},
        {"PCMacroName_X=215\nPCMacroName_Y=200\nPCMacroName_H=280\nPCMacroName_W=190\n",
         "LB_PCMacroName", 215, 200, 190, 280},
        {"RKFS2_X=500\nRKFS2_Y=260\n", "lbl_FireRKFS2", 498, 260, 20, 20},
        {"FireY3_Offset_X=760\nFireY3_Offset_Y=420\n", "Edt_FireY3Offset", 760, 420, {}, {}},
        {"Fire6_X=400\nFire6_Y=120\n", "Btn_Fire6", 400, 120, 120, 56},
        {"Marco_Stop_Over_Lable_X=12\nMarco_Stop_Over_Lable_Y=170\n"
         "Marco_Stop_Over_Lable_Size=9\nMarco_Stop_Over_Lable_Width=230\n",
         "IB_ReleaseContiue", 12, 170, 230, 18},
        {"LED_Mode_5_Lable_X=610\nLED_Mode_5_Lable_Y=330\nLED_Mode_5_Lable_Width=150\n",
         "lbl_RBLEDMode5",
         610,
         330,
         150,
         {}},
        // The caption family comes after the option images and wins for the same label.
        {"LCPI_On_Lable_X=250\nLCPI_On_Lable_Y=251\n", "lbl_LCPIOn", 250, 251, {}, {}},
    };
    for (const Case& c : cases) {
        const auto plan = PlanWith(c.overrides);
        ASSERT_TRUE(plan) << c.overrides << plan.error().detail;
        const ControlPlan& p = Get(*plan, c.control);
        EXPECT_EQ(p.x, c.x) << c.control;
        EXPECT_EQ(p.y, c.y) << c.control;
        if (c.width) {
            EXPECT_EQ(p.width, c.width) << c.control;
        }
        if (c.height) {
            EXPECT_EQ(p.height, c.height) << c.control;
        }
    }
}

TEST(LayoutPlan, DisabledChromeGroupHidesAllCopiesAndIgnoresItsPosition) {
    // X and Y are not read at all, so garbage there must not fail the table.
    const auto plan = PlanWith("Btn_A1_Enable=0\nBtn_A1_X=oops\nBtn_A1_Y=9640\n");
    ASSERT_TRUE(plan) << plan.error().detail;
    for (int n = 1; n <= 4; ++n)
        for (const std::string prefix : {"Btn_Confirm_", "Img_Confirm_"}) {
            const ControlPlan& p = Get(*plan, prefix + std::to_string(n));
            EXPECT_EQ(p.visible, false) << prefix << n;
            EXPECT_FALSE(p.x.has_value()) << prefix << n;
        }
}

TEST(LayoutPlan, PageButtonLabelIsInsetByTheMargins) {
    LayoutInputs inputs = DefaultLayoutInputs();
    inputs.imageSizes["SetS_01"] = {127, 30};
    const auto plan = PlanWith("Btn_Space_F=10\nBtn_Space_B=5\nBtn_B4_Enable=1\nBtn_B4_X=71\n"
                               "Btn_B4_Y=164\n",
                               inputs);
    ASSERT_TRUE(plan) << plan.error().detail;
    const ControlPlan& label = Get(*plan, "Btn_Adv_2");
    EXPECT_EQ(label.x, 81);
    EXPECT_EQ(label.width, 112);
    EXPECT_EQ(label.height, 30);
    EXPECT_EQ(Get(*plan, "Img_Adv_2").x, 71);
}

TEST(LayoutPlan, NumberLabelOrderFollowsTheOemSetting) {
    for (const bool descending : {false, true}) {
        LayoutInputs inputs = DefaultLayoutInputs();
        inputs.numOrderDescending = descending;
        const auto plan = PlanWith("MCULEDNum_X=600\nMCULEDNum_D=6\n", inputs);
        ASSERT_TRUE(plan) << plan.error().detail;
        const int first = 600, tenth = 600 + 9 * (26 + 6);
        EXPECT_EQ(Get(*plan, "lbl_MCULEDNum_10").x, descending ? first : tenth);
        EXPECT_EQ(Get(*plan, "lbl_MCULEDNum_1").x, descending ? tenth : first);
    }
}

TEST(LayoutPlan, GunKeyHintNeedsGunPresetsAndTheGamingProfile) {
    struct Case {
        bool gd, gaming, shown;
    };
    for (const Case c : {Case{false, false, false}, Case{false, true, false},
                         Case{true, false, false}, Case{true, true, true}}) {
        LayoutInputs inputs = DefaultLayoutInputs();
        inputs.gdEnable = c.gd;
        inputs.gamingProfile = c.gaming;
        const auto plan = PlanWith("ComboKey3_Enable=1\n", inputs);
        ASSERT_TRUE(plan) << plan.error().detail;
        EXPECT_TRUE(plan->comboKey3Enabled);
        EXPECT_EQ(Get(*plan, "IB_ComboKey3").visible, c.shown) << c.gd << c.gaming;
        EXPECT_EQ(Get(*plan, "Img_ComboKey3").visible, c.shown) << c.gd << c.gaming;
        EXPECT_EQ(Get(*plan, "IB_ComboKey1").visible, true);
    }
}

TEST(LayoutPlan, HiddenCountBoxKeepsItsPositionAndSlidersGetTheCountRange) {
    LayoutInputs inputs = DefaultLayoutInputs();
    inputs.dpiCount = 11;
    const auto plan = PlanWith("DPI_Count_Visible=0\nDPI_Count_X=880\nDPI_Count_Y=176\n", inputs);
    ASSERT_TRUE(plan) << plan.error().detail;
    const ControlPlan& box = Get(*plan, "cbb_DPICount");
    EXPECT_EQ(box.visible, false);
    EXPECT_EQ(box.x, 880);
    EXPECT_EQ(box.y, 176);
    EXPECT_EQ(Get(*plan, "slider_DPI8").rangeMax, 1000);
}

TEST(LayoutPlan, ColoursAreKeptAndPacked) {
    const auto plan = PlanWith("Color_D_Selected_R=1\nColor_D_Selected_G=2\nColor_D_Selected_B=3\n"
                               "Color_F_Back_R=10\nMacroNameHeight=21\nSize_C=11\n");
    ASSERT_TRUE(plan) << plan.error().detail;
    EXPECT_EQ(plan->colours.dpiSelected.Packed(), 1 + 256 * 2 + 65536 * 3);
    EXPECT_EQ(Get(*plan, "lbl_AIMKey").textColour, plan->colours.dpiSelected);
    EXPECT_EQ(plan->colours.macroButtonBack.r, 10);
    EXPECT_EQ(plan->colours.macroNameHeight, 21);
    EXPECT_EQ(Get(*plan, "IB_ComboKey2").fontSize, 10);
}

TEST(LayoutPlan, MissingOrMalformedKeyIsAnErrorNamingIt) {
    for (const std::string key : {"Size_A", "Spd_D", "Fire7_Y", "LED_Step_8_Lable_Width"}) {
        std::string text = BuiltInText(1);
        const std::size_t at = text.find("\n" + key + "=");
        ASSERT_NE(at, std::string::npos) << key;
        text.replace(at + 1, key.size(), "Unused_" + key);
        const SettingsText parsed = SettingsText::Parse(text);
        const auto plan = PlanDisplaySet(*parsed.Section("org1"), DefaultLayoutInputs());
        ASSERT_FALSE(plan) << key;
        EXPECT_NE(plan.error().detail.find(" " + key + " "), std::string::npos)
            << plan.error().detail;
    }
    // Values that are no number, or too large to be pixels, are refused the same way.
    for (const std::string entry : {"Size_E=nine", "Spd_D=2000000000", "MCULEDNum_D=-2000000"}) {
        const auto bad = PlanWith(entry + "\n");
        ASSERT_FALSE(bad) << entry;
        EXPECT_NE(bad.error().detail.find(entry.substr(0, entry.find('='))), std::string::npos);
    }
    EXPECT_FALSE(PlanDisplaySet(SettingsSection("org1"), DefaultLayoutInputs()));
}

struct Box {
    std::string name;
    int x, y, w, h;
};

TEST(LayoutPlan, BuiltInTablesKeepTheChromeInsideTheWindowWithoutOverlaps) {
    const std::vector<std::pair<std::string, std::string>> chrome = {
        {"Confirm", "BtnS_01"},  {"Apply", "BtnS_01"},    {"Read", "BtnS_01"},
        {"Confirm1", "BtnS_01"}, {"Confirm2", "BtnS_01"}, {"Confirm3", "BtnS_01"},
        {"Save", "BtnS_01"},     {"Load", "BtnS_01"},     {"Exit", "ExitS_01"},
        {"Mini", "MiniS_01"},    {"Main", "SetS_01"},     {"Second", "SetS_01"},
        {"Adv", "SetS_01"},      {"Breath", "SetS_01"},   {"Macro", "SetS_01"},
        {"Lang1", "Lang_01"},    {"Lang2", "Lang_01"},    {"Lang3", "Lang_01"}};
    const LayoutInputs inputs = DefaultLayoutInputs();
    for (int set = 1; set <= 3; ++set) {
        const SettingsText parsed = SettingsText::Parse(BuiltInText(set));
        const SettingsSection* section = parsed.Section("org" + std::to_string(set));
        ASSERT_NE(section, nullptr) << set;
        const auto plan = PlanDisplaySet(*section, inputs);
        ASSERT_TRUE(plan) << set << ": " << plan.error().detail;
        EXPECT_EQ(section->Number("Btn_A4_X"), 990);
        for (int n = 1; n <= 4; ++n) {
            std::vector<Box> boxes;
            for (const auto& [control, art] : chrome) {
                const std::string name = "Img_" + control + "_" + std::to_string(n);
                const ControlPlan& p = Get(*plan, name);
                if (p.visible != true)
                    continue;
                const PixelSize size = inputs.imageSizes.at(art);
                boxes.push_back({name, *p.x, *p.y, size.width, size.height});
            }
            EXPECT_EQ(boxes.size(), chrome.size()) << set;
            for (std::size_t i = 0; i < boxes.size(); ++i) {
                const Box& a = boxes[i];
                EXPECT_TRUE(a.x >= 0 && a.y >= 0 && a.x + a.w <= 1030 && a.y + a.h <= 662)
                    << set << " " << a.name;
                for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                    const Box& b = boxes[j];
                    const bool overlap =
                        a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
                    EXPECT_FALSE(overlap) << set << " " << a.name << " " << b.name;
                }
            }
        }
    }
}

} // namespace
} // namespace orln7a
