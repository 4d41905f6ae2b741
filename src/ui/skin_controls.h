#pragma once

// Every control of the skinned window, created from tables and found by its objectName. The
// pages describe their controls as rows (name, kind, designed place, first artwork); the layout
// pass then moves, sizes and recolours them from the display set's layout table.

#include "ui/layout_plan.h"

#include <QColor>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>
#include <vector>

class QWidget;

namespace orln7a {

class SkinLabel;

enum class ControlKind {
    Image,   // SkinLabel showing artwork (`Img_...`)
    Caption, // SkinLabel with a caption, transparent (`Btn_...`, `IB_...`, `lbl_...`, `Key1`)
    Edit,    // QLineEdit
    Slider,  // SkinSlider
    List,    // QListWidget
    Combo,   // QComboBox
    Radio,   // QRadioButton, a hidden holder of a choice
    Check,   // QCheckBox, a hidden holder of a flag
    Swatch,  // a plain coloured rectangle (`cs_...`)
    Panel,   // a framed container (`Pnl_...`)
    Group,   // an unframed container (`Gb_...`)
};

// One control as the form design has it. Coordinates are relative to the parent: the page,
// or the container named by `parent` (which must come earlier in the table).
struct ControlSpec {
    const char* name;
    ControlKind kind;
    int x = 0, y = 0;
    int width = 0, height = 0; // 0 with artwork: the artwork's size
    const char* art = nullptr; // Image: first artwork; Caption: nothing
    const char* parent = nullptr;
    bool visible = true;
};

class SkinControls {
public:
    // Creates one control on `page` (or in its named container). A name given twice is a
    // programming error and is refused with a null result.
    QWidget* Add(const ControlSpec& spec, QWidget* page);
    void AddAll(std::span<const ControlSpec> specs, QWidget* page);

    // Null when no control has that name.
    QWidget* Find(const QString& name) const;
    template <class T> T* Get(const QString& name) const { return qobject_cast<T*>(Find(name)); }
    SkinLabel* Label(const QString& name) const;
    const std::vector<QWidget*>& all() const { return order_; }

    // Shows artwork on an image control; the control takes the artwork's size.
    void SetArt(const QString& name, const QString& art);
    // The artwork an image control shows now (for tests and the pointer handlers).
    QString ArtOf(const QString& name) const;
    void SetCaption(const QString& name, const QString& text);
    QString CaptionOf(const QString& name) const;

    // Applies every entry of a layout plan; names that no control carries are returned.
    QStringList Apply(const LayoutPlan& plan);

    void SetTextColour(QWidget* w, const QColor& c);
    void SetBackground(QWidget* w, const QColor& c);
    void SetBorder(QWidget* w, const QColor& c);
    // Further style rules of a control, kept across the colour changes above.
    void SetExtraStyle(QWidget* w, const QString& css);
    // Sets the font family on every control (a text of the language table), keeping sizes.
    void SetFontFamily(const QString& family);

private:
    struct Look {
        std::optional<QColor> text, back, border;
        QString extra;
    };
    void Restyle(QWidget* w);

    QHash<QString, QWidget*> byName_;
    QHash<QWidget*, Look> looks_;
    std::vector<QWidget*> order_;
};

// The font families asked for a language table's `FontName`: that family first, then families
// Debian has that cover Latin and Chinese, so captions render where the named font is absent.
QStringList FontFamiliesFor(const QString& fontName);

QColor ToQColor(const Rgb& rgb);

} // namespace orln7a
