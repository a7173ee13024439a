#pragma once
// A multi-line box's document and the layer's text of the same box, one edit at a time. The
// document keeps a line break as one paragraph separator; the layer keeps it as CR LF.

#include <QTextDocument>

#include <cstddef>
#include <optional>
#include <string>

namespace zel::view {

// An edit of the layer's text: `removed` characters at `at` replaced by `inserted`.
struct LayerTextEdit {
    std::size_t at;
    std::size_t removed;
    std::u16string inserted;
};

// The document's characters from `from` up to `to`, as the layer writes them.
std::u16string LayerText(const QTextDocument& document, int from, int to);

// The document's latest change (`removed` characters at `at` replaced by `added`, as Qt reports
// it) as an edit of `before`, the layer's text of the document before the change. Costs what the
// edit's size costs, whatever the text's length. Nothing when `before` and the changed document
// do not fit together: the layer then needs the whole text.
std::optional<LayerTextEdit> LayerEditOf(const QTextDocument& document, const std::u16string& before, int at,
                                         int removed, int added);

}  // namespace zel::view
