// What the user sees, measured from the rendered pixels, under whatever style, platform theme and
// colour scheme the desktop hands the program (tests/qt/desktops runs this under each of them):
// every text of both calculator windows, the manual and a message box stands out from its
// background by 4.5:1 at least, the design's own grey, red and blue texts by 3:1; each text is
// as tall as its font draws it; every option circle is whole. CTest runs it at QT_SCALE_FACTOR
// 1, 1.5 and 2.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <map>

#include "tests/qt/harness.h"
#include "ui/qt/desktop_services.h"
#include "ui/qt/form_view.h"

namespace zel::view::test {
namespace {

// The pixels of an area that differ from its commonest colour (its background).
struct Ink {
    QColor back;          // the commonest colour
    double contrast = 1;  // of the pixel that stands out most
    QRect box;            // where the differing pixels lie, in the area's device pixels
};

Ink InkIn(const QImage& shot, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) ++counts[shot.pixel(x, y)];
    if (counts.empty()) return {};
    const QColor back(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                          return a.second < b.second;
                      })->first);
    Ink ink;
    ink.back = back;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const double contrast = ContrastRatio(ink.back, QColor(shot.pixel(x, y)));
            ink.contrast = std::max(ink.contrast, contrast);
            if (contrast >= 1.5) ink.box |= QRect(x, y, 1, 1);
        }
    return ink;
}

// Where a widget draws its text, in its window's pixels: inside a box's frame, a button's bevel.
QRect TextAreaOf(QWidget* widget) {
    QRect area = widget->rect();
    if (auto* field = dynamic_cast<FieldEdit*>(widget)) area = field->textArea();
    else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) area = text->viewport()->geometry();
    else if (auto* label = qobject_cast<QLabel*>(widget)) area = label->contentsRect();
    else if (qobject_cast<QPushButton*>(widget)) area.adjust(3, 3, -3, -3);
    else if (qobject_cast<QGroupBox*>(widget)) area.setHeight(QFontMetrics(widget->font()).height());
    return QRect(widget->mapTo(widget->window(), area.topLeft()), area.size());
}

// Every shown text of the window, at the contrast its colour asks for, as tall as its font draws it.
void CheckTexts(QWidget* top, const std::function<bool(QWidget*)>& designColoured = [](QWidget*) { return false; }) {
    const QImage shot = top->grab().toImage();
    const qreal scale = top->devicePixelRatioF();
    for (QWidget* w : top->findChildren<QWidget*>()) {
        const QString text = ShownText(w);
        if (w->window() != top || !w->isVisible() || text.trimmed().isEmpty()) continue;
        const QRect area = TextAreaOf(w);
        const Ink ink = InkIn(shot, QRect((QPointF(area.topLeft()) * scale).toPoint(), area.size() * scale));
        const std::string id = top->objectName().toStdString() + " " + w->objectName().toStdString();
        EXPECT_GE(ink.contrast, designColoured(w) ? 3.0 : 4.5) << id;
        if (!text.contains(u'\n') && !qobject_cast<QPlainTextEdit*>(w) && !qobject_cast<QGroupBox*>(w)) {
            EXPECT_GE(ink.box.height() / scale, QFontMetrics(w->font()).tightBoundingRect(text).height() - 2) << id;
        }
    }
}

// Every option's circle whole: as wide as it is high, as large as the style draws it, and its ring
// as strong on each of the four sides as on the strongest. Where the control's edge cuts a circle,
// the outermost lines of its pixels cross the inside of the ring, or the ring's outer fringe only:
// in the middle of that side, the two outermost lines with ink hold no pixel as dark as the ring.
void CheckOptions(QWidget* top) {
    const QImage shot = top->grab().toImage();
    const qreal scale = top->devicePixelRatioF();
    for (auto* option : top->findChildren<QRadioButton*>()) {
        if (!option->isVisible()) continue;
        const std::string id = top->objectName().toStdString() + " " + option->objectName().toStdString();
        // Where the style draws the circle, as far as the control shows it (a frame's border may
        // run through the rest of the control).
        QStyleOptionButton drawn;
        drawn.initFrom(option);
        const QRect indicator = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &drawn, option);
        const QRect r((indicator & option->rect()).translated(option->mapTo(top, QPoint())));
        const Ink ink = InkIn(shot, QRect((QPointF(r.topLeft()) * scale).toPoint(), r.size() * scale));
        const QRect circle = ink.box;
        const int size = option->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, nullptr, option);
        EXPECT_LE(std::abs(circle.width() - circle.height()), 1) << id;
        EXPECT_GE(circle.height() / scale, size - 1) << id;
        const QPoint centre = circle.center();
        const int band = qRound(scale);  // a logical pixel either side of the middle
        const std::pair<const char*, QRect> sides[] = {
            {"top", QRect(centre.x() - band, circle.top(), 2 * band + 1, 2)},
            {"bottom", QRect(centre.x() - band, circle.bottom() - 1, 2 * band + 1, 2)},
            {"left", QRect(circle.left(), centre.y() - band, 2, 2 * band + 1)},
            {"right", QRect(circle.right() - 1, centre.y() - band, 2, 2 * band + 1)},
        };
        std::map<std::string, double> ring;
        for (const auto& [side, lines] : sides)
            for (int y = lines.top(); y <= lines.bottom(); ++y)
                for (int x = lines.left(); x <= lines.right(); ++x)
                    ring[side] = std::max(ring[side], ContrastRatio(ink.back, QColor(shot.pixel(x, y))));
        const double strongest = std::max_element(ring.begin(), ring.end(), [](auto& a, auto& b) {
                                     return a.second < b.second;
                                 })->second;
        for (const auto& [side, contrast] : ring)
            EXPECT_GE(contrast, 0.9 * strongest) << id << " " << side << " at " << scale;
    }
}

TEST(Look, EveryTextLegibleAndEveryControlWholeOnThisDesktop) {
    Desk desk;
    const auto calculatorColours = [&desk](QWidget* w) {
        const auto id = ControlId::Parse(w->objectName().toStdString());
        const Control* c = id ? desk.program().activeWindow()->form().Find(*id) : nullptr;
        return c && (c->fore == kGrey || c->fore == kRed || c->fore == kBlue);
    };
    for (const char* window : {"", "cmd2Mini"}) {
        if (*window) desk.SwitchTo(window);
        QWidget* top = desk.calculator();
        // One moment difference worked out: the marks show 済 in blue beside the others' red 未.
        desk.Click("cmdCalc");
        CheckTexts(top, calculatorColours);
        CheckOptions(top);
    }
    desk.Click("cmdManu");
    CheckTexts(desk.manual());
    desk.manual()->close();
    Desk::Settle();

    QtMessageBoxes boxes;
    boxes.owner = [&desk] { return desk.calculator(); };
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->setObjectName(QStringLiteral("message"));
        CheckTexts(box);
        QTest::keyClick(box, Qt::Key_Escape);
    });
    boxes.Show(u"時刻１を入力して下さい。", u"Zelvorin", MessageButtons::OkCancel);
}

}  // namespace
}  // namespace zel::view::test
