// The windows at the screen's scale: CTest runs this at QT_SCALE_FACTOR 1, 1.5 and 2. Each
// window is exactly that much larger on the screen, every caption and message fits its control
// or box in the font actually chosen, no control covers a frame's caption, an unfocused box shows
// its whole text, and the keyboard focus stands out on every control.
#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QToolTip>
#include <QWindow>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "tests/qt/harness.h"
#include "ui/messages.h"
#include "ui/qt/appearance.h"
#include "ui/qt/desktop_services.h"
#include "ui/qt/form_view.h"

namespace zel::view::test {
namespace {

// A program whose calculator window has no handlers: the focus goes where the keys or a click
// put it and nothing else changes, as pictures of the focus on each control need.
class QuietProgram : public Program {
public:
    QuietProgram(MessageBoxes& boxes, Clock& clock, CalculatorSize size) : Program(boxes, clock), size_(size) {}

protected:
    std::unique_ptr<Window> NewCalculator(CalculatorSize) override {
        return std::make_unique<Window>(size_ == CalculatorSize::Full ? FullWindowDesign() : MiniWindowDesign());
    }

private:
    CalculatorSize size_;
};

struct Lines {
    int count = 0;
    qreal widest = 0;
};

// A label's text laid out as the label lays it out: broken at its line breaks, and wrapped to
// its width when it wraps.
Lines LaidOut(const QLabel& label) {
    QString text = label.text();
    text.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(text, label.font());
    QTextOption option;
    option.setWrapMode(label.wordWrap() ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    Lines lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine(), ++lines.count) {
        line.setLineWidth(label.contentsRect().width());
        lines.widest = std::max(lines.widest, line.naturalTextWidth());
    }
    layout.endLayout();
    return lines;
}

// A frame's caption stays legible: the options the design places right under it paint neither
// over its strokes nor onto the pixels around them.
void ExpectCaptionUncovered(QGroupBox& frame) {
    auto render = [&frame](QWidget::RenderFlags flags) {
        QImage image(frame.size() * frame.devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(frame.devicePixelRatioF());
        image.fill(Qt::transparent);
        frame.render(&image, QPoint(), QRegion(), flags);
        return image;
    };
    const QImage bare = render(QWidget::DrawWindowBackground);
    const QImage dressed = render(QWidget::DrawWindowBackground | QWidget::DrawChildren);
    const QPalette palette = frame.palette();
    QPalette blank = palette;
    blank.setColor(QPalette::WindowText, palette.color(QPalette::Window));
    frame.setPalette(blank);
    const QImage captionless = render(QWidget::DrawWindowBackground);
    frame.setPalette(palette);
    int ink = 0, covered = 0;
    for (int y = 0; y < bare.height(); ++y)
        for (int x = 0; x < bare.width(); ++x) {
            if (bare.pixel(x, y) == captionless.pixel(x, y)) continue;
            ++ink;
            const QRect around = QRect(x - 1, y - 1, 3, 3) & bare.rect();
            covered += dressed.copy(around) != bare.copy(around);
        }
    EXPECT_GT(ink, 0);
    EXPECT_EQ(covered, 0);
}

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
            const Lines lines = LaidOut(*label);
            EXPECT_LE(lines.widest, label->contentsRect().width());
            EXPECT_LE(lines.count * metrics.lineSpacing(), label->contentsRect().height());
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_LE(metrics.horizontalAdvance(button->text()), button->width() - 4);
            EXPECT_LE(metrics.height(), button->height());
        } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
            EXPECT_LE(metrics.horizontalAdvance(frame->title()) + 10, frame->width());
            if (!frame->title().isEmpty()) ExpectCaptionUncovered(*frame);
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

// Each one-line box of both calculator windows, unfocused, with each of the longest texts the
// fields get: whole in a font narrowed to fit, else at 60 % cut in the middle and whole in the
// tooltip; whole for a screen reader always.
TEST(Scale, UnfocusedBoxesShowTheirWholeText) {
    Desk desk;
    for (const char* window : {"", "cmd2Mini"}) {
        if (*window) desk.SwitchTo(window);
        Form& form = desk.program().activeWindow()->form();
        desk.Click("cmdClear");  // no box is focused
        for (const QString whole : {"-3287181 23:59:59", "-3287181.9999884", "-4733542079.833", "-284012524799",
                                    "-1.79769313486232E+308"}) {
            for (Control& c : form.controls())
                if (c.kind() == Kind::TextBox) c.text = whole.toStdU16String();
            desk.session().view().Sync();
            for (QLineEdit* line : desk.calculator()->findChildren<QLineEdit*>()) {
                const auto* box = static_cast<FieldEdit*>(line);
                const FieldEdit::Shown shown = box->shown();
                SCOPED_TRACE(box->objectName().toStdString() + " " + shown.text.toStdString());
                EXPECT_LE(QFontMetricsF(shown.font).horizontalAdvance(shown.text), box->textArea().width());
                EXPECT_TRUE(shown.text == whole || (shown.font.stretch() == 60 && shown.text.front() == whole.front() &&
                                                    shown.text.back() == whole.back() && shown.text.contains(u'…')));
                QHelpEvent hover(QEvent::ToolTip, QPoint(), line->mapToGlobal(QPoint()));
                QCoreApplication::sendEvent(line, &hover);
                EXPECT_EQ(line->toolTip(), shown.font == line->font() ? QString() : whole);
                EXPECT_EQ(QAccessible::queryAccessibleInterface(line)->text(QAccessible::Value), whole);
            }
        }
    }
    QToolTip::hideText();
}

// Each control that takes the focus in both calculator windows, the Tab key's round first, after
// keyboard use, against the focus on a button far off: along each side within the window, the
// three pixels outside or the three inside change by a contrast of 3:1 over the side's length at
// least, save where another control stands on both, which the ring leaves alone. The display
// twins, which stand where their fields do, are checked shown in their fields' place.
TEST(Scale, KeyboardFocusStandsOutAroundEveryControl) {
    for (const CalculatorSize size : {CalculatorSize::Full, CalculatorSize::Mini}) {
        FakeMessageBoxes boxes;
        FakeClock clock;
        QuietProgram program(boxes, clock, size);
        View view(program);
        program.Start();
        view.Sync();
        Desk::Settle();
        QWidget* top = view.calculatorWidget();
        Form& form = program.calculator()->form();
        auto widgetOf = [&](const Control* c) {
            return top->findChild<QWidget*>(QString::fromStdString(c->id().ToString()));
        };
        auto rectOf = [&](const Control* c) {
            const QWidget* w = widgetOf(c);
            return QRect(w->mapTo(top, QPoint()), w->size());
        };
        auto shot = [&](Control* c) {
            program.UserFocus(c->id());
            view.Sync();
            return top->grab().toImage();
        };
        auto check = [&](Control* c) {
            const QRect r = rectOf(c), shown = r & top->rect();
            QRegion others;
            for (const Control& o : form.controls())
                if (&o != c && form.IsShown(o) && o.kind() != Kind::Line && o.design().name != c->design().container)
                    others += rectOf(&o);
            Control* far = form.Find("cmdManu");
            if (rectOf(far).intersects(r.adjusted(-6, -6, 6, 6)))
                far = form.Find(size == CalculatorSize::Mini ? "cmd2Big" : "cmd2Mini");
            const QImage focused = shot(c), unfocused = shot(far);
            for (const bool across : {true, false})
                for (const bool after : {false, true}) {
                    // Three pixels outside the side, then the two inside, at each point along it.
                    const QRect outside = across ? QRect(r.left() - 3, after ? r.bottom() + 1 : r.top() - 3, r.width() + 6, 3)
                                                 : QRect(after ? r.right() + 1 : r.left() - 3, r.top(), 3, r.height());
                    const QRect inside = across ? QRect(outside.left(), after ? r.bottom() - 1 : r.top(), outside.width(), 2)
                                                : QRect(after ? r.right() - 1 : r.left(), r.top(), 2, r.height());
                    int contrasting = 0, free = 0;
                    for (int along = 0; along < (across ? outside.width() : outside.height()); ++along) {
                        bool clear = false;
                        for (const QRect& strip : {outside, inside})
                            for (int depth = 0; depth < (&strip == &outside ? 3 : 2); ++depth) {
                                const QPoint at = strip.topLeft() + (across ? QPoint(along, depth) : QPoint(depth, along));
                                if (!top->rect().contains(at) || others.contains(at)) continue;
                                clear = true;
                                const QPoint device = (QPointF(at) * top->devicePixelRatioF()).toPoint();
                                contrasting += ContrastRatio(focused.pixel(device), unfocused.pixel(device)) >= 3;
                            }
                        free += clear;
                    }
                    // (a corner's pixel may lie on the neighbouring side's ring)
                    EXPECT_GE(contrasting, std::min(free, across ? shown.width() : shown.height()) - 2)
                        << c->id().ToString() << (across ? (after ? " bottom" : " top") : (after ? " right" : " left"));
                }
            shot(c);
        };
        std::set<const Control*> walked;
        auto tab = [&] {
            QTest::keyClick(top->focusWidget(), Qt::Key_Tab);
            Desk::Settle();
        };
        while (tab(), walked.insert(form.focus()).second) check(form.focus());
        for (Control& c : form.controls())
            if (!walked.count(&c) && form.CanFocusByClick(c)) check(&c);
        for (int i = 0; i <= 4; ++i) {
            form("Text9", i + 1).visible = false;
            form("Text7", i).visible = true;
        }
        for (int i = 0; i <= 4; ++i) check(&form("Text7", i));
    }
}

// Every message of the program, over the window of the largest font: as many lines in the box
// as the message has, none cut off, whatever the width of the screen.
TEST(Scale, MessageBoxesBreakLinesOnlyWhereTheMessageDoes) {
    Desk desk;
    QtMessageBoxes boxes;
    boxes.owner = [&desk] { return desk.calculator(); };
    const std::u16string noDuration =
        std::u16string(messages::kNoDuration) + u"\r\n\r\n" + std::u16string(messages::kTreatedAsZero);
    for (const std::u16string_view message :
         {messages::kCloseQuestion, messages::kNoDuration, messages::kTreatedAsZero, messages::kConversionError,
          messages::kMomentRejected, messages::kMomentsNotDates, messages::kElapsedRejected,
          messages::kComputedInDays, messages::kDhmsRejected, std::u16string_view(noDuration)}) {
        const QString text = ToDisplayText(message);
        SCOPED_TRACE(text.toStdString());
        // As the user sees it: once the box has handled the events its showing posted.
        QTimer::singleShot(20, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
                const Lines lines = LaidOut(*label);
                EXPECT_EQ(lines.count, text.count(u'\n') + 1);
                EXPECT_LE(lines.widest, label->contentsRect().width());
                EXPECT_LE(lines.count * QFontMetrics(label->font()).lineSpacing(), label->contentsRect().height());
                EXPECT_TRUE(box->rect().contains(label->geometry()));
            } else {
                ADD_FAILURE() << "no label";
            }
            QTest::keyClick(box, Qt::Key_Escape);
        });
        boxes.Show(std::u16string(message), std::u16string(messages::kTitle), MessageButtons::Ok);
    }
}

}  // namespace
}  // namespace zel::view::test
