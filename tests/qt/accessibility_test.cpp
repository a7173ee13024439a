// What a screen reader finds in the windows: every control named and given its role, and the
// status marks announcing their change.
#include <QAccessible>
#include <QAccessibleInterface>

#include <algorithm>
#include <vector>

#include "tests/qt/harness.h"
#include "ui/qt/form_view.h"

namespace zel::view::test {
namespace {

QAccessible::Role RoleOf(Kind kind) {
    switch (kind) {
        case Kind::TextBox: return QAccessible::EditableText;
        case Kind::Label: return QAccessible::StaticText;
        case Kind::Button: return QAccessible::Button;
        case Kind::Option: return QAccessible::RadioButton;
        case Kind::Frame: return QAccessible::Grouping;
        case Kind::Line: return QAccessible::Separator;
    }
    return QAccessible::NoRole;
}

void CheckEveryControl(Desk& desk) {
    Form& form = desk.program().activeWindow()->form();
    SCOPED_TRACE(form.design().name);
    for (const Control& c : form.controls()) {
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(desk.Widget(c.id().ToString()));
        ASSERT_NE(spoken, nullptr) << c.id().ToString();
        EXPECT_FALSE(spoken->text(QAccessible::Name).trimmed().isEmpty()) << c.id().ToString();
        EXPECT_EQ(spoken->role(), RoleOf(c.kind())) << c.id().ToString();
    }
}

TEST(Accessibility, EveryControlOfEveryWindowIsNamedWithItsRole) {
    Desk desk;
    CheckEveryControl(desk);
    auto name = [&](const char* id) {
        return QAccessible::queryAccessibleInterface(desk.Widget(id))->text(QAccessible::Name);
    };
    EXPECT_EQ(name("Text8(1)"), QStringLiteral("時刻1"));
    EXPECT_EQ(name("Text8(3)"), QStringLiteral("時刻1 の年"));
    EXPECT_EQ(name("Text7(1)"), QStringLiteral("hour"));
    EXPECT_EQ(name("Text9(5)"), QStringLiteral("和差の入力"));
    EXPECT_EQ(name("cmdCalc"), QStringLiteral("時 刻 差"));
    desk.Click("cmdManu");
    CheckEveryControl(desk);
    desk.manual()->close();
    Desk::Settle();
    desk.SwitchTo("cmd2Mini");
    CheckEveryControl(desk);
}

TEST(Accessibility, AStatusMarkAnnouncesItsChange) {
    Desk desk;
    std::vector<QObject*> namesChanged;
    desk.session().view().announce = [&](QAccessibleEvent* event) {
        if (event->type() == QAccessible::NameChanged) namesChanged.push_back(event->object());
    };
    desk.Click("Text7(1)");
    desk.Type("2");
    desk.Click("cmdConvert");
    QWidget* mark = desk.Widget("Label6(0)");
    EXPECT_NE(std::find(namesChanged.begin(), namesChanged.end(), mark), namesChanged.end());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(mark)->text(QAccessible::Name), QStringLiteral("済"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(mark)->text(QAccessible::Description), QStringLiteral("変換の状態"));
}

// A screen reader joins a field's attribute runs into the line it speaks, and may edit the field.
TEST(Accessibility, AFieldIsOneRunOfTextAndTakesEditsAsTypedOnes) {
    Desk desk;
    QAccessibleInterface* year = QAccessible::queryAccessibleInterface(desk.Widget("Text8(3)"));
    QAccessibleTextInterface* text = year->textInterface();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(0, text->characterCount()), QStringLiteral("2001"));
    for (int offset : {0, 3}) {
        int start = -1, end = -1;
        text->attributes(offset, &start, &end);
        EXPECT_EQ(std::pair(start, end), std::pair(0, 4)) << "at " << offset;
    }
    ASSERT_NE(year->editableTextInterface(), nullptr);
    year->editableTextInterface()->replaceText(2, 4, QStringLiteral("99"));
    EXPECT_EQ(desk.program().calculator()->form()("Text8", 3).text, u"2099");
}

}  // namespace
}  // namespace zel::view::test
