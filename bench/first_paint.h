// Ends the application once a window has painted for the first time, so that a profiler counts
// exactly the work from start to the first picture on screen.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace zel::bench {

class FirstPaintQuit : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The children paint in the same pass as their window; quit once it is over.
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [] { QCoreApplication::quit(); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

inline void QuitAfterFirstPaint(QWidget* window) { window->installEventFilter(new FirstPaintQuit(window)); }

}  // namespace zel::bench
