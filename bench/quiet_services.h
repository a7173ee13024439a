#pragma once
// The services a benchmark runs the calculator with: message boxes answered OK at once and a
// clock that stands still, so that nothing waits for a user and every run is the same.

#include "ui/services.h"

namespace zel::bench {

class OkBoxes : public MessageBoxes {
public:
    MessageAnswer Show(const std::u16string&, const std::u16string&, MessageButtons) override {
        return MessageAnswer::Ok;
    }
};

class FixedClock : public Clock {
public:
    LocalDateTime Now() override { return {2001, 7, 15, 10, 20, 30}; }
};

}  // namespace zel::bench
