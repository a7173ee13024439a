#pragma once
// The clock and the message boxes that tests, scenarios and benchmarks run the program with:
// nothing waits for a user, and every run sees the same moment.

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/services.h"

namespace zel {

// A clock that stands at `now`; with `later` set, every reading after the first gives `later`,
// as a clock that moves on between two readings.
class FakeClock : public Clock {
public:
    LocalDateTime now{2001, 7, 15, 10, 20, 30};
    std::optional<LocalDateTime> later;
    int readings = 0;

    LocalDateTime Now() override { return readings++ > 0 && later ? *later : now; }
};

// Message boxes that never block: they remember every box shown, answer a box that offers OK
// alone with OK and one that offers a choice from a script.
class FakeMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        std::u16string text;
        std::u16string title;
        MessageButtons buttons;
    };
    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;            // for the next boxes that offer a choice
    MessageAnswer otherwise = MessageAnswer::Ok;  // once `answers` has run out
    std::function<void()> whileShown;             // runs while a box is up, as the user would look at it

    MessageAnswer Show(const std::u16string& text, const std::u16string& title, MessageButtons buttons) override {
        shown.push_back({text, title, buttons});
        if (whileShown) whileShown();
        if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (answers.empty()) return otherwise;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

}  // namespace zel
