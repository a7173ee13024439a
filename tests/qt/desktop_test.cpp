// How the calculator sits on a Japanese desktop: Qt's own texts in Japanese, message boxes in
// the program's font, long numbers showing their end, half-width input asked of input methods.
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "tests/qt/harness.h"
#include "ui/qt/desktop_services.h"

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

TEST(Desktop, LongNumbersShowTheirEndAndFieldsAskForHalfWidthInput) {
    Desk desk;
    desk.Click("Text7(3)");
    desk.Type("123456789012345678");
    desk.Key(Qt::Key_Return);
    desk.Key(Qt::Key_Return);
    for (const char* id : {"Text7(0)", "Text7(1)", "Text7(2)", "Text7(3)", "Text9(0)"}) {
        auto* box = desk.As<QLineEdit>(id);
        EXPECT_EQ(box->cursorPosition(), box->text().size()) << id;
        EXPECT_TRUE(box->inputMethodHints() & Qt::ImhPreferLatin) << id;
    }
}

}  // namespace
}  // namespace zel::view::test
