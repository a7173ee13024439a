#include "ui/qt/session.h"

namespace zel::view {

MessageAnswer Session::ScreenFirst::Show(const std::u16string& text, const std::u16string& title,
                                         MessageButtons buttons) {
    if (view) view->Sync();
    return presenter_.Show(text, title, buttons);
}

Session::Session(MessageBoxes& presenter, Clock& clock) : boxes_(presenter), program_(boxes_, clock), view_(program_) {
    boxes_.view = &view_;
}

void Session::Start() {
    program_.Start();
    view_.Sync();
}

}  // namespace zel::view
