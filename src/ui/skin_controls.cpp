#include "ui/skin_controls.h"

#include "ui/skin_images.h"
#include "ui/skin_label.h"
#include "ui/skin_slider.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>

namespace orln7a {

namespace {

const char* kArtProperty = "skinArt";

QString Css(const QColor& c) {
    return QString("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

// Captions of buttons sit centred on their artwork; every other caption reads from the left.
Qt::Alignment CaptionAlignment(const QString& name) {
    const bool button = name.startsWith("Btn_") || name.startsWith("Key") ||
                        name.startsWith("IB_Fire") ||
                        (name.startsWith("lbl_DPI") && name.endsWith("Col"));
    return (button ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
}

QWidget* Make(const ControlSpec& s, QWidget* parent) {
    const QString name = QString::fromLatin1(s.name);
    switch (s.kind) {
    case ControlKind::Image: {
        auto* l = new SkinLabel(name, parent);
        l->setAttribute(Qt::WA_TranslucentBackground);
        return l;
    }
    case ControlKind::Caption: {
        auto* l = new SkinLabel(name, parent);
        l->setAttribute(Qt::WA_TranslucentBackground);
        l->setAlignment(CaptionAlignment(name));
        return l;
    }
    case ControlKind::Edit: {
        auto* e = new QLineEdit(parent);
        e->setObjectName(name);
        e->setAlignment(Qt::AlignCenter);
        return e;
    }
    case ControlKind::Slider:
        return new SkinSlider(name, parent);
    case ControlKind::List: {
        auto* l = new QListWidget(parent);
        l->setObjectName(name);
        l->setFrameShape(QFrame::NoFrame);
        l->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        return l;
    }
    case ControlKind::Combo: {
        auto* c = new QComboBox(parent);
        c->setObjectName(name);
        return c;
    }
    case ControlKind::Radio: {
        auto* r = new QRadioButton(parent);
        r->setObjectName(name);
        return r;
    }
    case ControlKind::Check: {
        auto* c = new QCheckBox(parent);
        c->setObjectName(name);
        return c;
    }
    case ControlKind::Swatch:
    case ControlKind::Panel:
    case ControlKind::Group: {
        auto* f = new QFrame(parent);
        f->setObjectName(name);
        return f;
    }
    }
    return nullptr;
}

} // namespace

QColor ToQColor(const Rgb& rgb) {
    return QColor(std::clamp(rgb.r, 0, 255), std::clamp(rgb.g, 0, 255), std::clamp(rgb.b, 0, 255));
}

QStringList FontFamiliesFor(const QString& fontName) {
    QStringList families;
    if (!fontName.isEmpty())
        families << fontName;
    // Debian's fonts-wqy-microhei covers Latin and both Chinese scripts; DejaVu is everywhere.
    families << "WenQuanYi Micro Hei"
             << "DejaVu Sans"
             << "Noto Sans CJK SC";
    return families;
}

QWidget* SkinControls::Add(const ControlSpec& spec, QWidget* page) {
    const QString name = QString::fromLatin1(spec.name);
    if (byName_.contains(name))
        return nullptr;
    QWidget* parent = page;
    if (spec.parent != nullptr) {
        parent = Find(QString::fromLatin1(spec.parent));
        if (parent == nullptr)
            return nullptr;
    }
    QWidget* w = Make(spec, parent);
    if (w == nullptr)
        return nullptr;
    byName_.insert(name, w);
    order_.push_back(w);
    w->move(spec.x, spec.y);
    if (spec.width > 0 || spec.height > 0)
        w->resize(spec.width, spec.height);
    if (spec.art != nullptr)
        SetArt(name, QString::fromLatin1(spec.art));
    if (spec.width > 0 || spec.height > 0)
        w->resize(spec.width, spec.height);
    if (spec.kind == ControlKind::Radio || spec.kind == ControlKind::Check)
        w->setVisible(false); // holders of a choice: the artwork shows it
    else
        w->setVisible(spec.visible);
    return w;
}

void SkinControls::AddAll(std::span<const ControlSpec> specs, QWidget* page) {
    for (const ControlSpec& s : specs)
        Add(s, page);
}

QWidget* SkinControls::Find(const QString& name) const {
    return byName_.value(name, nullptr);
}

SkinLabel* SkinControls::Label(const QString& name) const {
    return Get<SkinLabel>(name);
}

void SkinControls::SetArt(const QString& name, const QString& art) {
    auto* label = Label(name);
    if (label == nullptr)
        return;
    const QPixmap pixmap = SkinPixmap(art);
    label->setPixmap(pixmap);
    label->setProperty(kArtProperty, art);
    if (!pixmap.isNull())
        label->resize(pixmap.size());
}

QString SkinControls::ArtOf(const QString& name) const {
    const QWidget* w = Find(name);
    return w ? w->property(kArtProperty).toString() : QString();
}

void SkinControls::SetCaption(const QString& name, const QString& text) {
    QWidget* w = Find(name);
    if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
}

QString SkinControls::CaptionOf(const QString& name) const {
    QWidget* w = Find(name);
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return {};
}

void SkinControls::SetTextColour(QWidget* w, const QColor& c) {
    looks_[w].text = c;
    Restyle(w);
}

void SkinControls::SetBackground(QWidget* w, const QColor& c) {
    if (auto* slider = qobject_cast<SkinSlider*>(w)) {
        slider->SetBackground(c);
        return;
    }
    looks_[w].back = c;
    Restyle(w);
}

void SkinControls::SetBorder(QWidget* w, const QColor& c) {
    looks_[w].border = c;
    Restyle(w);
}

void SkinControls::SetExtraStyle(QWidget* w, const QString& css) {
    looks_[w].extra = css;
    Restyle(w);
}

void SkinControls::Restyle(QWidget* w) {
    const Look& look = looks_[w];
    QString css;
    if (look.text)
        css += "color:" + Css(*look.text) + ";";
    if (look.back)
        css += "background-color:" + Css(*look.back) + ";";
    if (look.border)
        css += "border:1px solid " + Css(*look.border) + ";";
    // A rule for the control itself only, so containers do not pass it to their children.
    w->setStyleSheet(QString("#%1{%2}").arg(w->objectName(), css) + look.extra);
    if (auto* list = qobject_cast<QListWidget*>(w); list && look.text) {
        QPalette p = list->palette();
        p.setColor(QPalette::Text, *look.text);
        list->setPalette(p);
    }
}

void SkinControls::SetFontFamily(const QString& family) {
    const QStringList families = FontFamiliesFor(family);
    for (QWidget* w : order_) {
        QFont f = w->font();
        f.setFamilies(families);
        w->setFont(f);
    }
}

QStringList SkinControls::Apply(const LayoutPlan& plan) {
    QStringList unknown;
    for (const auto& [stdName, c] : plan.controls) {
        const QString name = QString::fromStdString(stdName);
        QWidget* w = Find(name);
        if (w == nullptr) {
            unknown << name;
            continue;
        }
        if (c.x || c.y)
            w->move(c.x.value_or(w->x()), c.y.value_or(w->y()));
        if (c.width || c.height)
            w->resize(c.width.value_or(w->width()), c.height.value_or(w->height()));
        if (c.visible)
            w->setVisible(*c.visible);
        if (c.fontSize) {
            QFont f = w->font();
            f.setPointSize(std::max(1, *c.fontSize));
            w->setFont(f);
        }
        if (c.textColour)
            SetTextColour(w, ToQColor(*c.textColour));
        if (c.background)
            SetBackground(w, ToQColor(*c.background));
        if (c.border)
            SetBorder(w, ToQColor(*c.border));
        if (c.rangeMax)
            if (auto* slider = qobject_cast<QSlider*>(w))
                slider->setRange(0, std::max(0, *c.rangeMax));
    }
    return unknown;
}

} // namespace orln7a
