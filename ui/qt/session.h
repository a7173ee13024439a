#pragma once
// The program with its view: the window layer, the widgets that show it, and the message
// boxes, which always find the screen up to date when they appear.

#include "ui/qt/view.h"
#include "ui/zelvorin.h"

namespace zel::view {

class Session {
public:
    // `presenter` shows the message boxes (real ones, or scripted answers in tests).
    Session(MessageBoxes& presenter, Clock& clock);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Zelvorin& program() { return program_; }
    View& view() { return view_; }

    // Starts the program: the full window opens.
    void Start();

private:
    // Before a box appears, the widgets are brought in line with the layer, so that the user
    // sees the state the box speaks about.
    class ScreenFirst : public MessageBoxes {
    public:
        ScreenFirst(MessageBoxes& presenter) : presenter_(presenter) {}
        View* view = nullptr;
        MessageAnswer Show(const std::u16string& text, const std::u16string& title, MessageButtons buttons) override;

    private:
        MessageBoxes& presenter_;
    };

    ScreenFirst boxes_;
    Zelvorin program_;
    View view_;
};

}  // namespace zel::view
