// Hostile texts typed into every editable field, then every command run: each text gets its
// field's result or its message, never a crash, a hang, an 'inf' or 'nan' on screen, or a
// change to anything but the field and its twin when the field is left.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/text.h"
#include "tests/support/fake_services.h"
#include "tests/support/shown_text.h"
#include "ui/zelvorin.h"

namespace zel {
namespace {

struct Shot {
    std::u16string text;
    bool visible;
    bool operator==(const Shot&) const = default;
};

std::vector<Shot> Snapshot(Form& form) {
    std::vector<Shot> shots;
    for (const Control& c : form.controls()) shots.push_back({c.text, c.visible});
    return shots;
}

TEST(HostileInput, EveryFieldTakesEveryTextWithoutHarm) {
    const std::u16string texts[] = {
        u"7", std::u16string(255, u'1'), std::u16string(256, u'1'), std::u16string(1'000'000, u'1'),
        std::u16string(300, u'1') + u"/5 1", std::u16string(300, u'2') + u" 5", std::u16string(u"\0\x01\x1f\t\n", 5),
        u"\U0001F600", u"12/\U0001F600 1", u"１２/３ ４：５", u"１２３　４", u"\u200F5/7 9:05", u"\u202E0023 01:00:00",
        u"1e308", u"1e309", u"-0", u"0e99999", u".", u"-.", std::u16string(400, u'9'), u"-1e308 00:00:00",
    };
    const ControlId fields[] = {{"Text8", 0}, {"Text8", 1}, {"Text8", 2}, {"Text8", 3}, {"Text9", 0}, {"Text7", 0},
                                {"Text7", 1}, {"Text7", 2}, {"Text7", 3}, {"Text7", 4}, {"Text6"}};
    for (const ControlId& field : fields) {
        for (const std::u16string& text : texts) {
            SCOPED_TRACE(field.ToString() + " " + ToUtf8(text.substr(0, 40)));
            FakeMessageBoxes boxes;
            FakeClock clock;
            Zelvorin program(boxes, clock);
            program.Start();
            Form& form = program.calculator()->form();
            program.UserClick(field);  // a twin gives way to its entry field, which takes the focus
            Control& typedInto = *form.focus();
            const std::vector<Shot> before = Snapshot(form);
            program.UserType(typedInto.id(), text);
            const std::size_t messagesBefore = boxes.shown.size();
            program.UserFocus({"cmdCalc"});  // a button has no focus handling of its own
            const std::vector<Shot> after = Snapshot(form);
            for (std::size_t i = 0; i < after.size(); ++i) {
                const Control& c = form.controls()[i];
                const bool pair = &c == &typedInto || (c.name() == "Text7" && typedInto.name() == "Text9" &&
                                                       c.index() == typedInto.index() - 1);
                if (!pair) {
                    EXPECT_EQ(after[i], before[i]) << c.id().ToString() << " changed";
                }
            }
            if (boxes.shown.size() > messagesBefore && typedInto.name() != "Text8") {
                EXPECT_EQ(typedInto.text, text);  // a rejected entry keeps what was typed
            }
            for (const char* command : {"cmdConvert", "cmdCalc", "cmdKeika", "cmdCalcT", "cmdClear", "cmdClearK"}) {
                program.UserClick({command});
                for (const Control& c : form.controls())
                    ASSERT_FALSE(ShowsInfOrNan(c.text)) << c.id().ToString() << " after " << command;
            }
            EXPECT_FALSE(program.ended());
        }
    }
}

}  // namespace
}  // namespace zel
