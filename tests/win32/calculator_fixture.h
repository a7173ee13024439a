#pragma once
// The calculator started in its real Windows windows, with a fake clock and fake message boxes:
// the fixture of the Windows view's tests.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/fake_services.h"
#include "ui/win32/view.h"
#include "ui/zelvorin.h"

namespace zel::win32 {

class CalculatorFixture : public ::testing::Test {
protected:
    CalculatorFixture() : program_(boxes_, clock_), view_(program_, GetModuleHandleW(nullptr)) {
        program_.Start();
        view_.Sync();
    }

    void Click(const char* name) {
        program_.UserClick({name});
        view_.Sync();
    }

    FakeMessageBoxes boxes_;
    FakeClock clock_;
    Zelvorin program_;
    View view_;
};

}  // namespace zel::win32
