// The windows at the screen's scale: CTest runs this at QT_SCALE_FACTOR 1, 1.5 and 2. Each
// window is exactly that much larger on the screen, every caption and message fits its control
// or box in the font actually chosen, and no control covers a frame's caption.
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
#include <QWindow>

#include <algorithm>
#include <cstdlib>

#include "tests/qt/harness.h"
#include "ui/messages.h"
#include "ui/qt/appearance.h"
#include "ui/qt/desktop_services.h"

namespace zel::view::test {
namespace {

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
