#include "ui/qt/document_edit.h"

#include <QTextBlock>
#include <QTextCursor>

#include <algorithm>

namespace zel::view {

std::u16string LayerText(const QTextDocument& document, int from, int to) {
    QTextCursor cursor(const_cast<QTextDocument*>(&document));
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    const QString text = cursor.selectedText();
    std::u16string layer;
    layer.reserve(static_cast<std::size_t>(text.size()));
    for (const QChar c : text) {
        if (c == QChar::ParagraphSeparator)
            layer.append(u"\r\n");
        else
            layer.push_back(c.unicode());
    }
    return layer;
}

std::optional<LayerTextEdit> LayerEditOf(const QTextDocument& document, const std::u16string& before, int at,
                                         int removed, int added) {
    // The document ends in a paragraph separator of its own that is not part of the text; Qt
    // may count it in a change.
    const int end = document.characterCount() - 1;
    if (at < 0 || removed < 0 || added < 0 || at > end) return std::nullopt;
    // Every line break before `at` is one character in the document and two in the layer.
    const std::size_t layerAt = static_cast<std::size_t>(at) + static_cast<std::size_t>(document.findBlock(at).blockNumber());
    if (layerAt > before.size()) return std::nullopt;
    std::size_t next = layerAt;
    for (int i = 0; i < removed && next < before.size(); ++i)
        next += before[next] == u'\r' && next + 1 < before.size() && before[next + 1] == u'\n' ? 2 : 1;
    LayerTextEdit edit{layerAt, next - layerAt, LayerText(document, at, std::min(at + added, end))};
    // The edited text must be as long as the document's text, line breaks counted twice.
    const std::size_t after = static_cast<std::size_t>(end) + static_cast<std::size_t>(document.blockCount() - 1);
    if (before.size() - edit.removed + edit.inserted.size() != after) return std::nullopt;
    return edit;
}

}  // namespace zel::view
