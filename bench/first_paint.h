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
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->isWindow() && !done_) {
            done_ = true;
            // exit(), not quit(): quit() would first ask the windows to close.
            QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

// Call before any window is shown: a window may paint while it is being shown.
inline void QuitAfterFirstPaint() { qApp->installEventFilter(new FirstPaintQuit(qApp)); }

}  // namespace zel::bench
