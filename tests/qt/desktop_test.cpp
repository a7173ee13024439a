// How the calculator sits on a Japanese desktop: Qt's own texts in Japanese, message boxes in
// the program's font, the caret waiting at the end of a long number, no input method in the
// calculator's fields.
#include <QApplication>
#include <QFontDatabase>
#include <QInputMethodQueryEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/qt/harness.h"
#include "ui/qt/appearance.h"
#include "ui/qt/desktop_services.h"
#include "ui/qt/form_view.h"
#include "ui/qt/startup_checks.h"

namespace zel::view::test {
namespace {

TEST(Desktop, QtTextsInJapaneseAndMessageBoxesInTheProgramFont) {
    Desk desk;
    QtMessageBoxes boxes;
    boxes.owner = [&desk] { return desk.calculator(); };
    QString cancel, family;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        cancel = box->button(QMessageBox::Cancel)->text();
        family = box->font().family();
        QTest::keyClick(box, Qt::Key_Escape);
    });
    boxes.Show(u"?", u"Zelvorin", MessageButtons::OkCancel);
    EXPECT_EQ(cancel, QStringLiteral("キャンセル"));
    EXPECT_EQ(family, desk.calculator()->font().family());
}

// With a Japanese font installed nothing is said; without one (a run under Latin fonts only) one
// message names the package, in English first.
TEST(Desktop, WithoutAJapaneseFontOneMessageSaysWhatToInstall) {
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) shown << box->text(), box->accept();
    });
    closer.start(0);
    WarnWithoutJapaneseFont();
    if (DesignFamilyInstalled() || !QFontDatabase::families(QFontDatabase::Japanese).isEmpty()) {
        EXPECT_TRUE(shown.isEmpty());
        return;
    }
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("No installed font draws Japanese")));
    EXPECT_LT(shown[0].indexOf(QStringLiteral("Install the package fonts-ipafont-gothic.")), shown[0].indexOf(u"日本語"));
    EXPECT_EQ(shown[0].count(QStringLiteral("fonts-ipafont-gothic")), 2);
}

// Under a font wider than the design's (in the run under Latin fonts only), a focused moment
// field narrows its font as far as its text needs: the whole moment stays in view, caret at the end.
TEST(Desktop, WithoutAJapaneseFontAFocusedMomentStaysWholeInView) {
    Desk desk;
    desk.Click("Text8(1)");
    auto* box = dynamic_cast<FieldEdit*>(desk.Widget("Text8(1)"));
    ASSERT_TRUE(box && box->hasFocus());
    box->end(false);
    box->repaint();
    const QRect area = box->textArea();
    EXPECT_EQ(box->cursorPositionAt({area.left() + 1, area.center().y()}), 0) << box->text().toStdString();
}

TEST(Desktop, TheCaretWaitsAtTheEndOfLongNumbersAndOnlyTheManualTakesAnInputMethod) {
    Desk desk;
    desk.Click("Text7(3)");
    desk.Type("123456789012345678");
    desk.Key(Qt::Key_Return);
    desk.Key(Qt::Key_Return);
    for (const char* id : {"Text7(0)", "Text7(1)", "Text7(2)", "Text7(3)", "Text9(0)"}) {
        auto* box = desk.As<QLineEdit>(id);
        EXPECT_EQ(box->cursorPosition(), box->text().size()) << id;
    }

    // Every text box of each window, once the focus has moved and texts have changed, asked as
    // the platform asks the focus: the calculator's fields read half-width characters alone,
    // which an input method in kana mode would not type; the manual's box takes Japanese text.
    auto checkTextBoxes = [&desk](bool takesInputMethod) {
        for (QWidget* w : desk.session().view().activeWidget()->findChildren<QWidget*>()) {
            if (!qobject_cast<QLineEdit*>(w) && !qobject_cast<QPlainTextEdit*>(w)) continue;
            QInputMethodQueryEvent query(Qt::ImEnabled);
            QCoreApplication::sendEvent(w, &query);
            EXPECT_EQ(query.value(Qt::ImEnabled).toBool(), takesInputMethod) << w->objectName().toStdString();
            EXPECT_EQ(w->testAttribute(Qt::WA_InputMethodEnabled), takesInputMethod) << w->objectName().toStdString();
        }
    };
    checkTextBoxes(false);
    desk.Click("cmdManu");
    desk.Type("x");
    checkTextBoxes(true);
    desk.manual()->close();
    Desk::Settle();
    desk.SwitchTo("cmd2Mini");
    desk.Type("1");
    desk.Click("Text8(0)");
    desk.Type("2");
    checkTextBoxes(false);
}

// Under a dark desktop palette every text of both windows and the manual contrasts with its
// background as under the default palette (at least 4.5:1 wherever it does there).
TEST(Desktop, ADarkDesktopPaletteTakesNoContrastAway) {
    const auto contrasts = [] {
        std::vector<std::pair<std::string, double>> all;
        const auto measure = [&](QWidget* top) {
            for (QWidget* w : top->findChildren<QWidget*>()) {
                if (w->objectName().isEmpty() || !w->isVisible() || w->window() != top) continue;
                const bool box = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
                const bool button = qobject_cast<QPushButton*>(w);
                const QPalette& p = w->palette();
                const QColor fore = p.color(box ? QPalette::Text : button ? QPalette::ButtonText : QPalette::WindowText);
                const QColor back = p.color(box ? QPalette::Base : button ? QPalette::Button : QPalette::Window);
                all.emplace_back(w->objectName().toStdString(), ContrastRatio(fore, back));
            }
        };
        Desk desk;
        measure(desk.calculator());
        desk.Click("cmdManu");
        measure(desk.manual());
        desk.manual()->close();
        Desk::Settle();
        desk.SwitchTo("cmd2Mini");
        measure(desk.calculator());
        return all;
    };
    const QPalette desktop = QApplication::palette();
    const auto normal = contrasts();
    QPalette dark = desktop;
    for (const auto& [role, colour] : {std::pair{QPalette::Window, 0x202020}, {QPalette::WindowText, 0xf0f0f0},
                                       {QPalette::Base, 0x181818}, {QPalette::Text, 0xf0f0f0},
                                       {QPalette::Button, 0x303030}, {QPalette::ButtonText, 0xf0f0f0}})
        dark.setColor(role, QColor::fromRgb(static_cast<QRgb>(colour)));
    QApplication::setPalette(dark);  // as a dark desktop hands it to the program at start
    KeepTheDesignsStyleAndPalette();
    const auto underDark = contrasts();
    QApplication::setPalette(desktop);
    ASSERT_EQ(underDark.size(), normal.size());
    for (std::size_t i = 0; i < normal.size(); ++i)
        EXPECT_GE(underDark[i].second, std::min(4.5, normal[i].second) - 1e-9) << underDark[i].first;
}

}  // namespace
}  // namespace zel::view::test
