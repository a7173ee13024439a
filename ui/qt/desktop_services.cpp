#include "ui/qt/desktop_services.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>
#include <QPushButton>

#include <algorithm>

#include "ui/qt/appearance.h"

namespace zel::view {

namespace {

// Qt wraps a message wider than a share of the screen (500 pixels at most), which can leave a
// line's last character on a line of its own. A message breaks only where its text does: its
// label takes every line whole, and the box grows to the longest one.
class MessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override {
        QMessageBox::showEvent(event);
        KeepLinesWhole();
    }

    // Qt sizes a shown box again on every layout request, wrapping once more; this box does not.
    bool event(QEvent* event) override {
        if (event->type() != QEvent::LayoutRequest || !isVisible()) return QMessageBox::event(event);
        const bool handled = QDialog::event(event);
        KeepLinesWhole();
        return handled;
    }

private:
    void KeepLinesWhole() {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (!label) return;
        if (label->wordWrap()) label->setWordWrap(false);
        layout()->activate();
        const QSize needed = layout()->totalMinimumSize();
        setFixedSize(std::max(width(), needed.width()), needed.height());
    }
};

}  // namespace

MessageAnswer QtMessageBoxes::Show(const std::u16string& text, const std::u16string& title,
                                   MessageButtons buttons) {
    QWidget* parent = owner ? owner() : nullptr;
    MessageBox box(parent);
    // The program's font, as every other text of it.
    if (parent) box.setFont(parent->font());
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(ToQString(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(ToDisplayText(text));
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    QPushButton* cancel = nullptr;
    if (buttons == MessageButtons::OkCancel) cancel = box.addButton(QMessageBox::Cancel);
    // Plain buttons, as the box itself has no icon.
    for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
    box.setDefaultButton(ok);
    box.setEscapeButton(cancel ? cancel : ok);
    box.exec();
    return cancel && box.clickedButton() == cancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
}

void PrepareApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Zelvorin"));
    // Between closing one calculator window and showing the other no window is open; the
    // program ends only when the layer says so, after the user confirmed closing.
    QApplication::setQuitOnLastWindowClosed(false);
    KeepTheDesignsStyleAndPalette();
    // Qt's own texts (standard buttons, the text boxes' menu) in Japanese, like the program's,
    // whatever the system's locale.
    auto* translator = new QTranslator(&app);
    const QString translations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(QStringLiteral("qtbase_ja"), translations)) QCoreApplication::installTranslator(translator);
}

}  // namespace zel::view
