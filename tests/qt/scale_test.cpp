// The windows at the screen's scale: CTest runs this at QT_SCALE_FACTOR 1, 1.5 and 2. Each
// window is exactly that much larger on the screen, and every caption fits its control in the
// font actually chosen.
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTextLayout>
#include <QWindow>

#include <algorithm>
#include <cstdlib>

#include "tests/qt/harness.h"
#include "ui/qt/appearance.h"

namespace zel::view::test {
namespace {

void CheckWindow(Desk& desk) {
    QWidget* top = desk.session().view().activeWidget();
    const WindowDesign& design = desk.program().activeWindow()->form().design();
    SCOPED_TRACE(design.name);
    const double factor = qEnvironmentVariableIsSet("QT_SCALE_FACTOR") ? std::atof(qgetenv("QT_SCALE_FACTOR")) : 1.0;
    EXPECT_DOUBLE_EQ(top->windowHandle()->devicePixelRatio(), factor);
    EXPECT_EQ(top->size(), QSize(Pixels(design.clientWidth), Pixels(design.clientHeight)));
    for (QWidget* w : top->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisible()) continue;
        SCOPED_TRACE(w->objectName().toStdString());
        const QFontMetrics metrics(w->font());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            // Laid out as the label lays it out: wrapped to its width when it wraps.
            const QRect room = label->contentsRect();
            QTextLayout layout(label->text(), label->font());
            QTextOption option;
            option.setWrapMode(label->wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
            layout.setTextOption(option);
            layout.beginLayout();
            int lines = 0;
            qreal widest = 0;
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine(), ++lines) {
                line.setLineWidth(room.width());
                widest = std::max(widest, line.naturalTextWidth());
            }
            layout.endLayout();
            EXPECT_LE(widest, room.width());
            EXPECT_LE(lines * metrics.lineSpacing(), room.height());
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_LE(metrics.horizontalAdvance(button->text()), button->width() - 4);
            EXPECT_LE(metrics.height(), button->height());
        } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            EXPECT_LE(metrics.horizontalAdvance(frame->title()) + 10, frame->width());
        }
    }
}

TEST(Scale, EveryCaptionFitsAndTheWindowsScaleWhole) {
    Desk desk;
    CheckWindow(desk);
    desk.Click("cmdManu");
    CheckWindow(desk);
    desk.manual()->close();
    Desk::Settle();
    desk.SwitchTo("cmd2Mini");
    CheckWindow(desk);
}

}  // namespace
}  // namespace zel::view::test
