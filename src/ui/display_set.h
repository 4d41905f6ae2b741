#pragma once

// A display set is one layout table, one language table and one image set, chosen together by
// the language index. This applies them to the window: the set's artwork, the layout pass and
// the captions, and switches between sets.

#include "ui/layout_plan.h"

#include <QString>
#include <QStringList>

namespace orln7a {

class SkinControls;
class TForm1;

class DisplaySet {
public:
    explicit DisplaySet(TForm1& form);

    // Start-up artwork, always from set 1: every image control's first picture.
    void LoadSkinImages();
    // The pass for the form's language index: the set's pictures, the layout table, then
    // ApplyLanguage. A broken layout table leaves the window as it was and says why.
    Status ApplyDisplaySet();
    // The same with a layout table of the caller's (a brand's table under test).
    Status ApplyDisplaySet(const SettingsSection& layout);
    // Controls the last layout pass named that the window does not have.
    const QStringList& unknownControls() const { return unknownControls_; }
    // The language half: font family, title, every caption of the table.
    void ApplyLanguage();
    // The language buttons' handler.
    void SelectLanguage(int n);

    const LayoutColours& colours() const { return plan_.colours; }
    bool comboKey3Enabled() const { return plan_.comboKey3Enabled; }
    const QString& title() const { return title_; }
    const QString& fontName() const { return fontName_; }
    // The panel picture of page p (1..5) in the current set ("L2_Back3").
    QString PanelArt(int page) const;
    // The pixel sizes of the skin pictures the layout pass needs, as built in.
    static LayoutInputs MeasuredInputs();

private:
    void ApplyMenuWidths();

    TForm1& form_;
    LayoutPlan plan_;
    QString title_, fontName_;
    QStringList unknownControls_;
};

} // namespace orln7a
