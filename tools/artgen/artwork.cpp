#include "artwork.h"

#include <QRegularExpression>

#include <functional>
#include <map>

namespace orln7a::artgen {

namespace {

using Drawer = std::function<void(QImage&)>;

const std::map<QString, Drawer>& Drawers() {
    static const std::map<QString, Drawer> drawers = [] {
        std::map<QString, Drawer> d;
        d["BackGround"] = DrawWindowBackground;
        d["Back1"] = DrawKeysPanel;
        d["Back2"] = DrawSettingsPanel;
        d["Back3"] = DrawLightingPanel;
        d["Back4"] = DrawMacroPanel;
        d["Back5"] = DrawGunPanel;
        d["MSG"] = DrawDialogBackground;
        d["InsertDelayBase"] = [](QImage& c) { DrawInsertBase(c, false); };
        d["InsertKeyBase"] = [](QImage& c) { DrawInsertBase(c, true); };
        const auto states = [&d](const QString& stem, void (*draw)(QImage&, State),
                                 std::initializer_list<State> order) {
            int number = 1;
            for (const State state : order)
                d[QString("%1_%2").arg(stem).arg(number++, 2, 10, QChar('0'))] =
                    [draw, state](QImage& c) { draw(c, state); };
        };
        constexpr State N = State::Normal, O = State::Over, P = State::Pressed;
        states("BtnS", DrawActionButton, {N, O, P});
        states("SetS", DrawPageTab, {N, O, P});
        states("Lang", DrawLanguageButton, {N, O, P});
        states("ExitS", DrawCloseButton, {N, O, P});
        states("MiniS", DrawMinimiseButton, {N, O});
        states("WebS", DrawWebBadge, {N, P, O});
        states("KeyS", DrawKeySlot, {N, O});
        states("MacroS", DrawMacroButton, {N, O});
        states("MacroBtnS", DrawSmallButton, {N, O, P});
        d["MacroS_03"] = [](QImage& c) { DrawRecordButton(c, false); };
        d["MacroS_04"] = [](QImage& c) { DrawRecordButton(c, true); };
        d["CbS_D"] = [](QImage& c) { DrawCheckBox(c, false); };
        d["CbS_E"] = [](QImage& c) { DrawCheckBox(c, true); };
        d["RdS_D"] = [](QImage& c) { DrawRadio(c, false); };
        d["RdS_E"] = [](QImage& c) { DrawRadio(c, true); };
        d["Bar1_D"] = [](QImage& c) { DrawLevelSegment(c, false); };
        d["Bar1_E"] = [](QImage& c) { DrawLevelSegment(c, true); };
        d["Col_F"] = DrawSwatchFrame;
        d["Slider_Ruler"] = DrawSliderRuler;
        d["Slider_Thumb"] = DrawSliderThumb;
        for (int gun = 1; gun <= 7; ++gun) {
            d[QString("Gun%1_01").arg(gun)] = [gun](QImage& c) { DrawGunButton(c, gun, false); };
            d[QString("Gun%1_02").arg(gun)] = [gun](QImage& c) { DrawGunButton(c, gun, true); };
        }
        for (int mode = 1; mode <= 5; ++mode)
            d[QString("GunMode%1").arg(mode)] = [mode](QImage& c) { DrawSight(c, mode); };
        return d;
    }();
    return drawers;
}

// The per-set pictures are named "L<set>_<stem>"; every set shares the same stem's picture.
QString Stem(const QString& name) {
    static const QRegularExpression setPrefix("^L[1-9]_",
                                              QRegularExpression::CaseInsensitiveOption);
    QString stem = name;
    stem.remove(setPrefix);
    return stem;
}

} // namespace

bool DrawArtwork(const QString& name, QImage& canvas) {
    const auto& drawers = Drawers();
    const QString stem = Stem(name);
    for (const auto& [key, draw] : drawers) {
        if (key.compare(stem, Qt::CaseInsensitive) == 0) {
            draw(canvas);
            return true;
        }
    }
    DrawPlainPlate(canvas);
    return false;
}

} // namespace orln7a::artgen
