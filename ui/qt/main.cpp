// Zelvorin: the calculator for moments and spans of time, on the desktop.
#include "ui/qt/run_calculator.h"

int main(int argc, char** argv) { return zel::view::RunCalculator(argc, argv); }
