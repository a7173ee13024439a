// The floor for the calculator's start: a bare Qt window with the same widgets as the full
// calculator window, of the same kinds, at the same places, with the same captions and in the
// Japanese gothic font the calculator ends up drawing with, but with no behaviour at all.
// Built twice: as a program that stays open, and (BENCH_QUIT_AFTER_FIRST_PAINT) as one that
// ends once its first paint is done and it waits, for counting instructions.
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <string>

#include "bench/first_paint.h"
#include "ui/design.h"

namespace {

int Px(double twips) { return static_cast<int>(std::lround(twips / 15.0)); }

QFont Font(const zel::FontSpec& size) {
    QFont font(QStringLiteral("IPAGothic"));
    font.setPixelSize(static_cast<int>(std::lround(size.points * 96.0 / 72.0)));
    font.setBold(size.bold);
    return font;
}

QWidget* Build(const zel::DesignRow& row, QWidget* parent) {
    const QString caption = QString::fromStdU16String(std::u16string(row.caption));
    switch (row.kind) {
        case zel::Kind::TextBox:
            if (row.flags & zel::kVerticalScroll) return new QPlainTextEdit(parent);
            return new QLineEdit(parent);
        case zel::Kind::Label: return new QLabel(caption, parent);
        case zel::Kind::Button: return new QPushButton(caption, parent);
        case zel::Kind::Option: return new QRadioButton(parent);
        case zel::Kind::Frame: return new QGroupBox(caption, parent);
        case zel::Kind::Line: return new QWidget(parent);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const zel::WindowDesign& design = zel::FullWindowDesign();
    QWidget top;
    top.setWindowTitle(QString::fromStdU16String(std::u16string(design.caption)));
    top.setFont(Font(design.defaultFont));
    top.setFixedSize(Px(design.clientWidth), Px(design.clientHeight));
    std::map<std::string_view, QWidget*> frames;
    for (const bool inFrames : {false, true}) {
        for (const zel::DesignRow& row : design.rows) {
            if (row.container.empty() == inFrames) continue;
            QWidget* widget = Build(row, inFrames ? frames[row.container] : &top);
            if (row.kind == zel::Kind::Frame) frames[row.name] = widget;
            const zel::TwipRect& r = row.rect;  // a line's rectangle holds its two end points
            if (row.kind == zel::Kind::Line)
                widget->setGeometry(std::min(Px(r.left), Px(r.width)), std::min(Px(r.top), Px(r.height)),
                                    std::abs(Px(r.width) - Px(r.left)) + 1, std::abs(Px(r.height) - Px(r.top)) + 1);
            else
                widget->setGeometry(Px(r.left), Px(r.top), Px(r.width), Px(r.height));
            if (row.kind != zel::Kind::Line) widget->setFont(Font(row.font.points > 0 ? row.font : design.defaultFont));
            if (row.flags & zel::kHidden) widget->hide();
        }
    }
#ifdef BENCH_QUIT_AFTER_FIRST_PAINT
    zel::bench::ExitOnceIdleAfterFirstPaint();
#endif
    top.show();
    return QApplication::exec();
}
