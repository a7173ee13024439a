// The calculator as it ships (the same start, view, session and program), ending once its full
// window has painted and the program waits: the program whose instructions are counted against
// the bare window.
#include "bench/first_paint.h"
#include "ui/qt/run_calculator.h"

int main(int argc, char** argv) {
    return zel::view::RunCalculator(argc, argv, zel::bench::ExitOnceIdleAfterFirstPaint);
}
