// Ends the program once a window has painted for the first time and the event loop has nothing
// left to do, so that a profiler counts exactly the work from exec until the first picture is on
// screen and the program waits for input: not the tearing down of the windows.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace zel::bench {

class ExitWhenIdleAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == this) return false;
        ++delivered_;
        // The children paint in the same pass as their window.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->isWindow() && !painted_) {
            painted_ = true;
            WaitForQuiet();
        }
        return false;
    }

private:
    // A zero-time timer comes round once everything posted before it has been delivered; the
    // loop is idle when a whole round went by with no other event (posted, timed or from the
    // window system) delivered.
    void WaitForQuiet() {
        const long before = delivered_;
        QTimer::singleShot(0, this, [this, before] {
            if (delivered_ != before) return WaitForQuiet();
            std::fflush(nullptr);
            std::_Exit(0);
        });
    }

    bool painted_ = false;
    long delivered_ = 0;
};

// Call before any window is shown: a window may paint while it is being shown.
inline void ExitOnceIdleAfterFirstPaint() { qApp->installEventFilter(new ExitWhenIdleAfterFirstPaint(qApp)); }

}  // namespace zel::bench
