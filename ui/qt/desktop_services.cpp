#include "ui/qt/desktop_services.h"

#include <QDateTime>
#include <QMessageBox>
#include <QPushButton>

#include "ui/qt/appearance.h"

namespace zel::view {

MessageAnswer QtMessageBoxes::Show(const std::u16string& text, const std::u16string& title,
                                   MessageButtons buttons) {
    QMessageBox box(owner ? owner() : nullptr);
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

LocalDateTime SystemClock::Now() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

}  // namespace zel::view
