// Interactive latency: 1,000 real clicks and key presses through the widgets of the calculator
// on the offscreen platform, each timed from the input until the widgets mirror the window
// layer, and again until the changed widgets have been painted; reports the median and the
// 99th percentile of both.
#include <QApplication>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "tests/support/fake_services.h"
#include "ui/qt/session.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    zel::FakeMessageBoxes boxes;
    zel::FakeClock clock;
    zel::view::Session session(boxes, clock);
    session.Start();
    QCoreApplication::processEvents();
    QWidget* top = session.view().calculatorWidget();
    auto widget = [&](const char* id) { return top->findChild<QWidget*>(QString::fromUtf8(id)); };

    // A typical round: moments typed and computed, a conversion, a sum; clicks and keys alike.
    struct Step {
        const char* click;  // a control to click, or nullptr for a key on the focused widget
        Qt::Key key;
    };
    const Step round[] = {{"Text8(1)", {}}, {nullptr, Qt::Key_1}, {nullptr, Qt::Key_Return}, {nullptr, Qt::Key_2},
                          {nullptr, Qt::Key_Return}, {"cmdCalc", {}}, {"cmdKeika", {}}, {"Text7(1)", {}},
                          {nullptr, Qt::Key_5}, {nullptr, Qt::Key_Return}, {nullptr, Qt::Key_Return},
                          {"Text7(4)", {}}, {nullptr, Qt::Key_3}, {"cmdCalcT", {}}, {"Option9", {}}, {"Option8", {}}};
    std::vector<double> mirrored, painted;
    using Clock = std::chrono::steady_clock;
    for (int i = 0; mirrored.size() < 1000; ++i) {
        const Step& step = round[i % std::size(round)];
        QWidget* target = step.click ? widget(step.click) : top->focusWidget();
        if (!target || !target->isVisible()) continue;
        const auto start = Clock::now();
        if (step.click)
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center());
        else
            QTest::keyClick(target, step.key);
        mirrored.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
        QCoreApplication::processEvents();
        painted.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    for (auto* times : {&mirrored, &painted}) {
        std::sort(times->begin(), times->end());
        std::printf("%zu events, %s: median %.3f ms, p99 %.3f ms, max %.3f ms\n", times->size(),
                    times == &mirrored ? "until mirrored" : "until painted", (*times)[times->size() / 2],
                    (*times)[times->size() * 99 / 100], times->back());
    }
}
