#include "ui/form.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace zel {

Form::Form(const WindowDesign& design) : design_(&design) {
    controls_.reserve(design.rows.size());
    for (const DesignRow& row : design.rows) {
        controls_.emplace_back(row);
        controls_.back().z = topZ_++;
    }
}

Control* Form::Find(std::string_view name, int index) {
    for (Control& c : controls_)
        if (c.name() == name && c.index() == index) return &c;
    return nullptr;
}

Control& Form::operator()(std::string_view name, int index) {
    if (Control* c = Find(name, index)) return *c;
    std::fprintf(stderr, "no control %.*s(%d) in %.*s\n", static_cast<int>(name.size()), name.data(), index,
                 static_cast<int>(design_->name.size()), design_->name.data());
    std::abort();
}

bool Form::IsShown(const Control& control) const {
    if (!control.visible) return false;
    const auto container = control.design().container;
    if (container.empty()) return true;
    for (const Control& c : controls_)
        if (c.name() == container && c.index() == kNoIndex) return IsShown(c);
    return true;
}

bool Form::CanFocusByClick(const Control& control) const {
    const Kind k = control.kind();
    return IsShown(control) && (k == Kind::TextBox || k == Kind::Button || k == Kind::Option);
}

bool Form::CanFocusByTab(const Control& control) const {
    if (!CanFocusByClick(control)) return false;
    return control.kind() != Kind::Option || control.selected;
}

Control* Form::NextInTabOrder(Control* from, bool forward) {
    std::vector<Control*> order;
    for (Control& c : controls_)
        if (CanFocusByTab(c) || &c == from) order.push_back(&c);
    if (order.empty()) return nullptr;
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex() < b->tabIndex(); });
    const auto at = std::find(order.begin(), order.end(), from);
    if (at == order.end()) return forward ? order.front() : order.back();
    const auto pos = static_cast<std::size_t>(at - order.begin());
    const std::size_t n = order.size();
    for (std::size_t step = 1; step < n; ++step) {
        Control* candidate = order[forward ? (pos + step) % n : (pos + n - step) % n];
        if (CanFocusByTab(*candidate)) return candidate;
    }
    return from;
}

Control* Form::FirstInTabOrder() {
    Control* first = nullptr;
    for (Control& c : controls_)
        if (CanFocusByTab(c) && (!first || c.tabIndex() < first->tabIndex())) first = &c;
    return first;
}

void Form::BringToFront(Control& control) { control.z = topZ_++; }

std::vector<Control*> Form::OptionGroup(const Control& option) {
    std::vector<Control*> group;
    for (Control& c : controls_)
        if (c.kind() == Kind::Option && c.design().container == option.design().container) group.push_back(&c);
    return group;
}

}  // namespace zel
