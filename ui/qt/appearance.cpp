#include "ui/qt/appearance.h"

#include <QApplication>
#include <QFontDatabase>
#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ui/qt/icon_images.h"

#if defined(Q_OS_LINUX)
#include <fontconfig/fontconfig.h>
#endif


namespace zel::view {

int Pixels(double twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

QRect PixelRect(const TwipRect& rect) {
    return QRect(Pixels(rect.left), Pixels(rect.top), Pixels(rect.width), Pixels(rect.height));
}

QRect LineBox(const TwipRect& ends) {
    const int x1 = Pixels(ends.left), y1 = Pixels(ends.top), x2 = Pixels(ends.width), y2 = Pixels(ends.height);
    return QRect(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1, std::abs(y2 - y1) + 1);
}

namespace {

// Monospaced Japanese gothic faces first: the design font is monospaced, and the captions'
// widths in the design tables assume it.
const QStringList& GothicSubstitutes() {
    static const QStringList substitutes{"IPAGothic",  "IPAexGothic", "Noto Sans Mono CJK JP", "Noto Sans CJK JP",
                                         "TakaoGothic", "VL Gothic",   "IPAPGothic",            "Source Han Sans JP"};
    return substitutes;
}

struct ResolvedFamily {
    QString name;
    bool installed;
};

// The design's family where the font database lists it, else the first listed substitute.
// Looked up in the database's list: asking for a family by name (QFontDatabase::hasFamily) has
// fontconfig run all its substitution rules on the name first, about a million instructions for
// each name asked, and on Linux the design's name is missing.
const ResolvedFamily& Resolved() {
    static const ResolvedFamily resolved = [] {
        const QStringList listed = QFontDatabase::families();
        const auto installed = [&listed](const QString& family) {
            return std::any_of(listed.begin(), listed.end(), [&family](const QString& name) {
                // A family made by several foundries is listed once for each, as "family [foundry]".
                return name.compare(family, Qt::CaseInsensitive) == 0 ||
                       name.startsWith(family + QStringLiteral(" ["), Qt::CaseInsensitive);
            });
        };
        const QString design = ToQString(kFontFamily);
        if (installed(design)) return ResolvedFamily{design, true};
        for (const QString& substitute : GothicSubstitutes())
            if (installed(substitute)) return ResolvedFamily{substitute, true};
        // No Japanese gothic face: the substitutes' table and Qt's own fallbacks decide.
        return ResolvedFamily{design, false};
    }();
    return resolved;
}

}  // namespace

namespace {

// At 12 pixels and less (9 points), the monospaced gothic face's half-width cell is 6 pixels
// wide or narrower. Antialiased, with FreeType keeping to the outline across (it leaves a
// TrueType font's horizontal hints out), the three stems of an "m" and the gaps between them
// run into one grey block, and the font's own hints make it a black one. Drawn without
// antialiasing on the grid FreeType's own hinter fits, every letter keeps its strokes apart, as
// a Japanese desktop's bitmap gothic faces draw these sizes. Larger sizes, a scaled screen's
// included, stay antialiased.
void DrawSmallSizesOnThePixelGrid(const QString& family) {
#if defined(Q_OS_LINUX)
    const QByteArray rule =
        "<?xml version=\"1.0\"?><fontconfig><match target=\"font\">"
        "<test name=\"family\"><string>" + family.toHtmlEscaped().toUtf8() + "</string></test>"
        "<test name=\"pixelsize\" compare=\"less_eq\"><double>12.5</double></test>"
        "<edit name=\"antialias\" mode=\"assign\"><bool>false</bool></edit>"
        "<edit name=\"autohint\" mode=\"assign\"><bool>true</bool></edit>"
        "</match></fontconfig>";
    // Qt asks fontconfig's current configuration for every font it opens.
    FcConfigParseAndLoadFromMemory(FcConfigGetCurrent(), reinterpret_cast<const FcChar8*>(rule.constData()), FcFalse);
#else
    (void)family;  // without fontconfig, the platform draws small sizes as it will
#endif
}

}  // namespace

void InstallFontSubstitutes() {
    static const bool installed = [] {
        QFont::insertSubstitutions(ToQString(kFontFamily), GothicSubstitutes());
        if (DesignFamilyInstalled()) DrawSmallSizesOnThePixelGrid(DesignFamily());
        return true;
    }();
    (void)installed;
}

// Naming an installed family spares every font of every widget the search through the
// fallbacks that a missing family costs.
const QString& DesignFamily() { return Resolved().name; }

bool DesignFamilyInstalled() { return Resolved().installed; }

QFont DesignFont(const FontSpec& size) {
    InstallFontSubstitutes();
    QFont font(DesignFamily());
    // Points at 96 pixels per inch, the same scale as the twips of the layout.
    font.setPixelSize(static_cast<int>(std::lround(size.points * 96.0 / 72.0)));
    font.setBold(size.bold);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

QFont ControlFont(const WindowDesign& window, const DesignRow& row) {
    return DesignFont(row.font.points > 0 ? row.font : window.defaultFont);
}

namespace {

// Fusion's light palette, as Qt draws Fusion where no desktop hands it colours: a light grey face,
// white boxes, black texts. (Qt 6's Fusion takes a platform theme's colours for its "standard"
// palette, so the palette is written out here.)
QPalette LightPalette() {
    const QColor face(239, 239, 239), dark = face.darker(150), mid = face.darker(130), shadow = dark.darker(135);
    QPalette palette(Qt::black, face, face.lighter(150), dark, mid, Qt::black, Qt::white);
    palette.setColor(QPalette::Midlight, mid.lighter(110));
    palette.setColor(QPalette::Shadow, shadow);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    const QColor disabledText(190, 190, 190);
    for (const QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledText);
    palette.setColor(QPalette::Disabled, QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    palette.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::Inactive, QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    palette.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    return palette;
}

}  // namespace

void KeepTheDesignsStyleAndPalette() {
    if (QApplication::style()->name().compare(QStringLiteral("fusion"), Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStringLiteral("Fusion"));
    // Set before the event loop starts, the palette is the program's own: a platform theme that
    // applies its colour scheme once the loop runs leaves a palette the program set alone.
    QApplication::setPalette(LightPalette());
}

QColor ToQColor(const Colour& colour, const QPalette& palette) {
    switch (colour.system) {
        case Colour::System::Window: return palette.color(QPalette::Active, QPalette::Base);
        case Colour::System::WindowText: return palette.color(QPalette::Active, QPalette::Text);
        case Colour::System::ButtonFace: return palette.color(QPalette::Active, QPalette::Button);
        case Colour::System::None: break;
    }
    return QColor((colour.rgb >> 16) & 0xFF, (colour.rgb >> 8) & 0xFF, colour.rgb & 0xFF);
}

QIcon ApplicationIcon() {
    // The installed icon's images in the sizes of a window's title and task bar (larger ones
    // are the desktop's, from the installed theme), kept as pixels so that nothing is decoded.
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(QImage(kIconRgba16, 16, 16, QImage::Format_RGBA8888)));
    icon.addPixmap(QPixmap::fromImage(QImage(kIconRgba32, 32, 32, QImage::Format_RGBA8888)));
    return icon;
}

QString ToQString(std::u16string_view text) {
    return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

QString ToDisplayText(std::u16string_view text) {
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

ColourRoles ColourRolesOf(Kind kind) {
    switch (kind) {
        case Kind::TextBox: return {QPalette::Text, QPalette::Base};
        case Kind::Button: return {QPalette::ButtonText, QPalette::Button};
        case Kind::Line: return {QPalette::WindowText, QPalette::NoRole};
        case Kind::Label:
        case Kind::Option:
        case Kind::Frame: return {QPalette::WindowText, QPalette::Window};
    }
    return {QPalette::WindowText, QPalette::Window};
}


}  // namespace zel::view
