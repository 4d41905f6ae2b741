#pragma once

#include <QImage>
#include <QString>

namespace orln7a::artgen {

// Draws the picture of one catalogue name onto a transparent canvas of the catalogue's size.
// Display sets 2 and 3 ("L2_...", "L3_...") share set 1's pictures. Returns false when the name
// has no picture of its own; the canvas then carries a plain plate so the build still completes.
bool DrawArtwork(const QString& name, QImage& canvas);

// The pointer states of the skinned buttons, in the order their image numbers give them.
enum class State { Normal, Over, Pressed };

// Window surfaces (window_art.cpp).
void DrawWindowBackground(QImage& canvas);
void DrawDialogBackground(QImage& canvas);

// Content panels (panel_art.cpp, page_panels.cpp).
void DrawKeysPanel(QImage& canvas);
void DrawSettingsPanel(QImage& canvas);
void DrawLightingPanel(QImage& canvas);
void DrawMacroPanel(QImage& canvas);
void DrawGunPanel(QImage& canvas);
void DrawInsertBase(QImage& canvas, bool keyVariant);

// Buttons and small controls (control_art.cpp, badge_art.cpp, toggle_art.cpp).
void DrawActionButton(QImage& canvas, State state);
void DrawPageTab(QImage& canvas, State state);
void DrawLanguageButton(QImage& canvas, State state);
void DrawCloseButton(QImage& canvas, State state);
void DrawMinimiseButton(QImage& canvas, State state);
void DrawWebBadge(QImage& canvas, State state);
void DrawKeySlot(QImage& canvas, State state);
void DrawMacroButton(QImage& canvas, State state);
void DrawRecordButton(QImage& canvas, bool recording);
void DrawSmallButton(QImage& canvas, State state);
void DrawCheckBox(QImage& canvas, bool on);
void DrawRadio(QImage& canvas, bool on);
void DrawLevelSegment(QImage& canvas, bool lit);
void DrawSwatchFrame(QImage& canvas);
void DrawSliderRuler(QImage& canvas);
void DrawSliderThumb(QImage& canvas);
void DrawPlainPlate(QImage& canvas);

// Gun presets and sights (gun_art.cpp).
void DrawGunButton(QImage& canvas, int gun, bool highlighted);
void DrawSight(QImage& canvas, int mode);

} // namespace orln7a::artgen
