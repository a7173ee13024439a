// A long one-line paste into the manual's text box: Ctrl+V with a line of 200,000 to 2,000,000
// characters on the clipboard, timed from the key until the window is painted again (the median of
// three), in the
// calculator and in a bare QPlainTextEdit set up as the manual's box is (same font, wrapping,
// scroll bars, size and text), on the offscreen platform. The difference is what the window
// layer and the mirroring cost; it should not grow faster than the paste itself.
//   zelvorin-paste [CHARACTERS...]
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

#include "tests/support/fake_services.h"
#include "ui/manual/usage_text.h"
#include "ui/qt/appearance.h"
#include "ui/qt/session.h"

namespace {

// Milliseconds from Ctrl+V on the box until its window has been painted, at the end of the text.
double TimeOnePaste(QPlainTextEdit& box, const QString& line) {
    QGuiApplication::clipboard()->setText(line);
    QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
    QCoreApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    box.window()->repaint();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The same, after a short paste has warmed the box's fonts and caches; the text is put back
// before each paste, so that every one starts from the manual's own text.
double TimePaste(QPlainTextEdit& box, const QString& line) {
    const QString original = box.toPlainText();
    TimeOnePaste(box, line.left(1000));
    std::vector<double> times;
    for (int run = 0; run < 3; ++run) {
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(original);
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        QCoreApplication::processEvents();
        times.push_back(TimeOnePaste(box, line));
    }
    std::sort(times.begin(), times.end());
    return times[1];
}

// The manual's box, as the view builds it, alone in a window of the manual's size.
double BarePaste(const QWidget& manual, const QPlainTextEdit& shown, const QString& line) {
    QWidget top;
    top.resize(manual.size());
    top.setFont(manual.font());
    QPlainTextEdit box(&top);
    box.setGeometry(shown.geometry());
    box.setFont(shown.font());
    box.setLineWrapMode(shown.lineWrapMode());
    box.setWordWrapMode(shown.wordWrapMode());
    box.setVerticalScrollBarPolicy(shown.verticalScrollBarPolicy());
    box.setHorizontalScrollBarPolicy(shown.horizontalScrollBarPolicy());
    box.setPlainText(zel::view::ToDisplayText(zel::UsageText()));
    top.show();
    box.setFocus();
    QCoreApplication::processEvents();
    return TimePaste(box, line);
}

}  // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::strtol(argv[i], nullptr, 10));
    if (sizes.empty()) sizes = {200000, 500000, 1000000, 2000000};

    std::printf("%12s %12s %12s %8s\n", "characters", "bare ms", "program ms", "ratio");
    for (const long size : sizes) {
        // A line of digits, spaces and punctuation, as a long paste of numbers would be.
        QString line;
        line.reserve(size);
        for (long i = 0; i < size; ++i) line.append(QChar(u"0123456789 :/-."[i % 15]));

        zel::FakeMessageBoxes boxes;
        zel::FakeClock clock;
        zel::view::Session session(boxes, clock);
        session.Start();
        QCoreApplication::processEvents();
        QTest::mouseClick(session.view().calculatorWidget()->findChild<QWidget*>(QStringLiteral("cmdManu")),
                          Qt::LeftButton);
        QCoreApplication::processEvents();
        QWidget* manual = session.view().manualWidget();
        auto* shown = manual ? manual->findChild<QPlainTextEdit*>(QStringLiteral("txtManu")) : nullptr;
        if (!shown) {
            std::fprintf(stderr, "the manual did not open\n");
            return 1;
        }
        QTest::mouseClick(shown->viewport(), Qt::LeftButton);
        QCoreApplication::processEvents();

        const double bare = BarePaste(*manual, *shown, line);
        const double program = TimePaste(*shown, line);
        if (shown->toPlainText().size() < size) {
            std::fprintf(stderr, "the paste did not arrive\n");
            return 1;
        }
        std::printf("%12ld %12.0f %12.0f %8.2f\n", size, bare, program, program / bare);
        std::fflush(stdout);
    }
}
