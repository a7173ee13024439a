// Every widget of both calculator windows and of the manual against its row of the design
// tables: class, container, font, captions and flags; some the whole way to literal pixels.
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>

#include <cmath>
#include <cstdlib>
#include <utility>

#include "tests/qt/harness.h"
#include "tests/support/qt_text.h"
#include "ui/qt/appearance.h"
#include "ui/qt/form_view.h"
#include "ui/manual/manual_window.h"
#include "ui/manual/usage_text.h"

namespace zel::view::test {
namespace {

// The pixel size of each point size the designs use, at 96 pixels per inch.
int PixelSizeOf(double points) {
    static const std::pair<double, int> kSizes[] = {{8.25, 11}, {9, 12}, {9.75, 13}, {11.25, 15}, {12, 16}};
    for (const auto& [size, pixels] : kSizes)
        if (size == points) return pixels;
    ADD_FAILURE() << "no pixel size written down for " << points << " points";
    return 0;
}

bool IsOfKind(QWidget* widget, Kind kind) {
    switch (kind) {
        case Kind::TextBox: return qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget);
        case Kind::Label: return qobject_cast<QLabel*>(widget);
        case Kind::Button: return qobject_cast<QPushButton*>(widget);
        case Kind::Option: return qobject_cast<QRadioButton*>(widget);
        case Kind::Frame: return qobject_cast<QGroupBox*>(widget);
        case Kind::Line: return widget->metaObject() == &QWidget::staticMetaObject;
    }
    return false;
}

// What the literal pixels and colours below, and the monkey's mirroring checks, leave open: the
// widget's class and container, that no label is clipped, the font, the design's captions, and
// the flags each kind is built with.
void CheckControl(Desk& desk, const WindowDesign& design, const DesignRow& row) {
    const std::string id = IdOf(row);
    SCOPED_TRACE(id);
    QWidget* top = desk.session().view().activeWidget();
    const auto found = top->findChildren<QWidget*>(QString::fromStdString(id));
    ASSERT_EQ(found.size(), 1);
    QWidget* widget = found.front();
    EXPECT_TRUE(IsOfKind(widget, row.kind));
    const QString container = row.container.empty() ? top->objectName()
                                                    : QString::fromUtf8(row.container.data(), row.container.size());
    EXPECT_EQ(widget->parentWidget()->objectName(), container);
    if (row.kind == Kind::Line) return;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        // Never clipped, whatever the substitute font needs: a line of it high, an auto-size label
        // as wide as its caption.
        const QFontMetrics metrics(label->font());
        EXPECT_GE(label->contentsRect().height(), metrics.height());
        if (row.flags & kAutoSize) {
            EXPECT_GE(label->contentsRect().width(), metrics.horizontalAdvance(label->text()));
        }
        const bool border = row.flags & kSingleBorder;
        EXPECT_EQ(label->autoFillBackground(), !(row.flags & kTransparent));
        EXPECT_EQ(label->frameShape(), border ? QFrame::Box : QFrame::NoFrame);
        EXPECT_EQ(label->frameShadow(), QFrame::Plain);
        EXPECT_EQ(label->frameWidth(), border ? 1 : 0);
    }
    // The layer, not Qt, keeps one option of a group selected. An option is as large as the
    // style's circle at least: grown to the right and down, within its frame, into room that no
    // other control takes.
    if (auto* option = qobject_cast<QRadioButton*>(widget)) {
        EXPECT_FALSE(option->autoExclusive());
        const QRect designed = PixelRect(row.rect);
        const QStyle* style = widget->style();
        EXPECT_EQ(widget->pos(), designed.topLeft());
        EXPECT_GE(widget->width(), std::max(designed.width(), style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth)));
        EXPECT_GE(widget->height(), std::max(designed.height(), style->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight)));
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()));
        const QRegion grown = QRegion(widget->geometry()) - designed;
        for (QWidget* other : widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == widget) continue;
            EXPECT_FALSE(grown.intersects(other->geometry())) << other->objectName().toStdString();
        }
    }

    // Font: the design family at the row's size (or the window's), in pixels at 96 per inch.
    const FontSpec font = row.font.points > 0 ? row.font : design.defaultFont;
    EXPECT_EQ(widget->font().family(), DesignFamily());
    EXPECT_EQ(widget->font().pixelSize(), PixelSizeOf(font.points));
    EXPECT_EQ(widget->font().bold(), font.bold);

    // Captions the handlers never change are the design's.
    if ((row.kind == Kind::Label || row.kind == Kind::Button || row.kind == Kind::Frame) && row.name != "Label5") {
        EXPECT_EQ(ShownText(widget), Q(row.caption));
    }
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        EXPECT_EQ(line->alignment() & Qt::AlignHorizontal_Mask,
                  (row.flags & kRightAligned) ? Qt::AlignRight : Qt::AlignLeft);
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        EXPECT_FALSE(button->autoDefault());
    }
    // Qt never moves the focus by itself.
    EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus);
}

void CheckCalculatorWindow(Desk& desk, const WindowDesign& design, QSize client) {
    QWidget* top = desk.calculator();
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->windowTitle(), Q(design.caption));
    EXPECT_EQ(top->size(), client);
    EXPECT_EQ(top->minimumSize(), client);
    EXPECT_EQ(top->maximumSize(), client);
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(top->windowFlags() & Qt::WindowCloseButtonHint);
    const QList<QSize> iconSizes = top->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
    // The artwork of the icon installed for the desktop.
    EXPECT_EQ(top->windowIcon().pixmap(QSize(32, 32)).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
              QImage(QStringLiteral(ZEL_SOURCE_DIR "/data/icons/zelvorin-32.png")).convertToFormat(QImage::Format_ARGB32_Premultiplied));
    // Centred on the screen.
    const QRect screen = top->screen()->availableGeometry();
    EXPECT_LE(std::abs(top->frameGeometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(top->frameGeometry().center().y() - screen.center().y()), 1);
    for (const DesignRow& row : design.rows) CheckControl(desk, design, row);

    // After the activation: the twins shown, their fields hidden, the focus in moment 1.
    for (int i = 0; i <= 4; ++i) {
        EXPECT_TRUE(desk.Widget("Text7(" + std::to_string(i) + ")")->isVisible()) << i;
        EXPECT_FALSE(desk.Widget("Text9(" + std::to_string(i + 1) + ")")->isVisible()) << i;
    }
    EXPECT_EQ(desk.QtFocus(), "Text8(1)");
    // The moment fields are drawn in front of the year boxes they cover.
    const QObjectList stack = top->children();
    EXPECT_GT(stack.indexOf(desk.Widget("Text8(1)")), stack.indexOf(desk.Widget("Text8(3)")));
    EXPECT_GT(stack.indexOf(desk.Widget("Text8(0)")), stack.indexOf(desk.Widget("Text8(2)")));
}

TEST(Layout, FullWindowFollowsItsDesignTable) {
    Desk desk;
    CheckCalculatorWindow(desk, FullWindowDesign(), QSize(447, 390));
}

TEST(Layout, MiniWindowFollowsItsDesignTable) {
    Desk desk;
    desk.SwitchTo("cmd2Mini");
    CheckCalculatorWindow(desk, MiniWindowDesign(), QSize(276, 238));
    // The activation replaced the design's unit captions.
    EXPECT_EQ(static_cast<QLabel*>(desk.Widget("Label5(0)"))->text(), "hour");
}

TEST(Layout, ManualWindowFollowsItsDesignTable) {
    Desk desk;
    desk.Click("cmdManu");
    QWidget* manual = desk.manual();
    ASSERT_NE(manual, nullptr);
    const WindowDesign& design = ManualWindowDesign();
    EXPECT_EQ(manual->windowTitle(), "ZelvorinManual");
    EXPECT_EQ(manual->size(), QSize(228, 368));
    EXPECT_EQ(manual->windowModality(), Qt::ApplicationModal);
    EXPECT_TRUE(manual->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(manual->windowIcon().isNull());
    for (const DesignRow& row : design.rows) CheckControl(desk, design, row);
    auto* box = desk.As<QPlainTextEdit>("txtManu");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(box->verticalScrollBar()->value(), 0);
    EXPECT_EQ(desk.QtFocus(), "txtManu");
}

// Some widgets the whole way from design row to screen, in literal pixels and colours: a negative
// top, lengths rounded down and up, a line's box, the design's fixed colours.
TEST(Layout, TwipsAndColoursBecomeThesePixels) {
    Desk desk;
    const std::pair<const char*, QRect> fullPlaces[] = {
        {"cmdManu", QRect(397, -1, 50, 19)}, {"cmdCalc", QRect(5, 42, 93, 25)}, {"Option6", QRect(7, 90, 14, 16)}};  // (grown to Fusion's circle)
    for (const auto& [id, geometry] : fullPlaces) EXPECT_EQ(desk.Widget(id)->geometry(), geometry) << id;
    EXPECT_EQ(desk.Widget("Label1(14)")->pos(), QPoint(156, 43));  // an auto-size label: its place only
    struct Drawn {
        const char* id;
        QPalette::ColorRole role;
        QColor colour;
    };
    const Drawn colours[] = {{"Label6(1)", QPalette::WindowText, QColor(255, 0, 0)},
                             {"Label1(18)", QPalette::WindowText, QColor(128, 128, 128)},
                             {"Text8(3)", QPalette::Base, QColor(224, 224, 224)},
                             {"Text8(1)", QPalette::Base, QColor(255, 255, 128)},
                             {"Text9(1)", QPalette::Base, QColor(255, 255, 192)}};
    for (const Drawn& c : colours) EXPECT_EQ(desk.Widget(c.id)->palette().color(c.role), c.colour) << c.id;
    desk.SwitchTo("cmd2Mini");
    const std::pair<const char*, QRect> miniPlaces[] = {
        {"Text8(3)", QRect(102, 26, 33, 18)}, {"Text8(1)", QRect(131, 26, 113, 19)}, {"Line1", QRect(4, 67, 266, 1)}};
    for (const auto& [id, geometry] : miniPlaces) EXPECT_EQ(desk.Widget(id)->geometry(), geometry) << id;
    // The system colours are the desktop palette's roles.
    QPalette desktop;
    desktop.setColor(QPalette::Base, QColor(1, 2, 3));
    desktop.setColor(QPalette::Text, QColor(4, 5, 6));
    desktop.setColor(QPalette::Button, QColor(7, 8, 9));
    EXPECT_EQ(ToQColor(kWindowBack, desktop), QColor(1, 2, 3));
    EXPECT_EQ(ToQColor(kWindowText, desktop), QColor(4, 5, 6));
    EXPECT_EQ(ToQColor(kButtonFace, desktop), QColor(7, 8, 9));
}

// Every character of every caption, field and of the usage text is drawn by the font the
// widget resolves to, not by a fallback or as an empty box.
TEST(Layout, EveryCharacterHasAGlyphInTheSubstituteFont) {
    Desk desk;
    auto checkWindow = [&](QWidget* top) {
        for (QWidget* widget : top->findChildren<QWidget*>()) {
            const QString text = ShownText(widget);
            if (text.isEmpty()) continue;
            const QRawFont raw = QRawFont::fromFont(widget->font());
            ASSERT_TRUE(raw.isValid()) << widget->objectName().toStdString();
            for (const char32_t c : text.toUcs4())
                if (c > ' ') {
                    EXPECT_TRUE(raw.supportsCharacter(c))
                        << widget->objectName().toStdString() << " U+" << std::hex << static_cast<unsigned>(c);
                }
        }
    };
    checkWindow(desk.calculator());
    desk.SwitchTo("cmd2Mini");
    checkWindow(desk.calculator());
    desk.Click("cmdManu");
    checkWindow(desk.manual());
    EXPECT_EQ(static_cast<QPlainTextEdit*>(desk.Widget("txtManu"))->toPlainText(),
              Q(UsageText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

}  // namespace
}  // namespace zel::view::test
