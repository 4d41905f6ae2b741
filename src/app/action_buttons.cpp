#include "app/action_buttons.h"

#include "app/device_controller.h"
#include "app/tform1.h"
#include "image/profile_file.h"
#include "ui/message_seam.h"
#include "ui/skin_controls.h"
#include "ui/skin_label.h"

#include <QFileInfo>

#include <filesystem>

namespace orln7a {

namespace {

constexpr int kPressedWaitMs = 110;

std::filesystem::path ToPath(const QString& s) {
    return std::filesystem::path(s.toStdU16String());
}

} // namespace

ActionButtons::ActionButtons(TForm1& form) : QObject(&form), form_(form) {}

void ActionButtons::Wire() {
    SkinControls& c = form_.controls();
    const std::array<std::pair<const char*, void (ActionButtons::*)()>, 8> handlers = {{
        {"Read", &ActionButtons::Btn_Read_0Click},
        {"Apply", &ActionButtons::Btn_Apply_0Click},
        {"Confirm", &ActionButtons::Btn_Confirm_0Click},
        {"Confirm1", &ActionButtons::Btn_Confirm1_1Click},
        {"Confirm2", &ActionButtons::Btn_Confirm2_1Click},
        {"Confirm3", &ActionButtons::Btn_Confirm3_1Click},
        {"Save", &ActionButtons::Btn_Save_0Click},
        {"Load", &ActionButtons::Btn_Load_0Click},
    }};
    for (const auto& [stem, handler] : handlers)
        for (int n = 1; n <= 4; ++n)
            if (SkinLabel* l = c.Label(QString("Btn_%1_%2").arg(stem).arg(n)))
                connect(l, &SkinLabel::clicked, this, handler);
}

bool ActionButtons::Front(const QString& stem, bool wait) {
    for (int n = 1; n <= 4; ++n)
        form_.controls().SetArt(QString("Img_%1_%2").arg(stem).arg(n), "BtnS_03");
    if (wait)
        form_.WaitWithMessages(kPressedWaitMs);
    if (!form_.device().deviceOpen()) {
        form_.RefreshFormMessagDialog(form_.LanguageText("Str020"));
        return false;
    }
    return true;
}

void ActionButtons::Report(const Error& error) {
    form_.device().ReportFailure(error);
}

void ActionButtons::Btn_Read_0Click() {
    if (!Front("Read", false))
        return;
    form_.device().ReadDevInfo();
}

void ActionButtons::Btn_Apply_0Click() {
    if (!Front("Apply", true))
        return;
    if (Status s = form_.device().flows().DownloadParameter(); !s)
        Report(s.error());
}

void ActionButtons::Btn_Confirm_0Click() {
    if (!Front("Confirm", true))
        return;
    if (Status s = form_.device().flows().DownloadParameter(); !s) {
        // The user is told, and the window stays open with the changes still in it.
        Report(s.error());
        return;
    }
    form_.WaitWithMessages(kPressedWaitMs);
    form_.close();
}

void ActionButtons::LoadDefault(const QString& stem, int imageNumber) {
    if (!Front(stem, true))
        return;
    if (Status s = form_.device().flows().TLDefaultParameter(imageNumber); !s)
        Report(s.error());
    form_.RefreshUI();
}

void ActionButtons::Btn_Confirm1_1Click() {
    LoadDefault("Confirm1", 0);
}
void ActionButtons::Btn_Confirm2_1Click() {
    LoadDefault("Confirm2", 1);
}
void ActionButtons::Btn_Confirm3_1Click() {
    LoadDefault("Confirm3", 2);
}

void ActionButtons::Btn_Save_0Click() {
    if (!Front("Save", true))
        return;
    const QString chosen = Dialogs().AskSaveFileName(&form_, "SaveFile(*.bin)");
    if (chosen.isEmpty())
        return;
    const QFileInfo info(chosen);
    const auto target =
        ProfileFileTarget(ToPath(info.absolutePath()), info.fileName().toStdString());
    if (Status s = form_.device().flows().SaveProfile(target); !s)
        Report(s.error());
}

void ActionButtons::Btn_Load_0Click() {
    if (!Front("Load", true))
        return;
    const QString chosen = Dialogs().AskOpenFileName(&form_, "LoadFile(*.bin)");
    if (chosen.isEmpty())
        return;
    if (Status s = form_.device().flows().LoadProfile(ToPath(chosen)); !s)
        Report(s.error());
    form_.RefreshUI();
}

} // namespace orln7a
