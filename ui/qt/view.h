#pragma once
// The Qt view of the program: puts the layer's windows on screen and hands the user's input to
// the layer. It holds no behaviour of its own. Every mouse and key event on a control becomes a
// user action of the program (program.h); after each one the view brings every widget in line
// with the layer's state, including which windows exist and which control has the focus.
// Qt's own focus changes (a message box taking the focus and giving it back, the user switching
// to another application) are never passed on: the layer's focus owner is the only truth.

#include <QAccessible>
#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

#include "ui/program.h"
#include "ui/qt/form_view.h"

class QPlainTextEdit;

namespace zel::view {

class View : public QObject {
public:
    explicit View(Program& program);
    ~View() override;
    View(const View&) = delete;
    View& operator=(const View&) = delete;

    // Brings the screen in line with the layer: which windows exist, every widget, the focus.
    void Sync();

    // The top-level widgets of the open windows (null when none is open).
    QWidget* calculatorWidget() const;
    QWidget* manualWidget() const;
    // The window that takes the user's input: the manual while it is open.
    QWidget* activeWidget() const;

    // Called once, when the program has ended.
    std::function<void()> onEnded;
    // Where the windows' accessibility events go: to Qt, which hands them to an assistive
    // technology when one listens.
    FormView::Announce announce = [](QAccessibleEvent* event) { QAccessible::updateAccessibility(event); };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Target {
        FormView* form;
        std::size_t index;
    };

    std::unique_ptr<FormView> Open(Window& window);
    void Drop(std::unique_ptr<FormView>& form);
    void Bind(FormView& form);
    std::optional<Target> TargetOf(const QObject* object) const;
    static const Control& ControlOf(const Target& target);
    void SyncFocus();

    // Runs one user action of the layer, then brings the screen in line with it.
    template <class F>
    void Forward(F&& action);

    void TextEdited(const QObject* box, std::u16string text);
    // A change of a multi-line box's document: `removed` characters at `at` replaced by `added`.
    void AreaEdited(QPlainTextEdit* area, int at, int removed, int added);
    void ManualResized();
    void ApplyManualSize();

    Program& program_;
    std::unique_ptr<FormView> calculator_;
    std::unique_ptr<FormView> manual_;
    std::uint64_t generation_ = ~std::uint64_t{0};
    std::unordered_map<const QObject*, Target> targets_;
    Toolkit keyGoesOn_ = Toolkit::Swallow;  // what Qt did with the latest key press
    bool forwarding_ = false;
    bool syncing_ = false;
    bool applyingManualSize_ = false;
    bool endReported_ = false;
};

}  // namespace zel::view
