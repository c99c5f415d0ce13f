// Letting the person out of a script that never ends: the driver counts its
// lines, and ExecCommand its jumps within one call, and every few thousand they
// look whether the program is to end.
#pragma once
#include "form/form1.h"

namespace lumora {

// Lines between two looks: one look costs a clock reading and an atomic load,
// so at this spacing the line loop does not notice it, and even a loop of the
// slowest commands is stopped well within a second.
constexpr int kLinesBetweenStopChecks = 4096;

// Looks now: takes a signalled stop as a request to end the program, lets the
// window system hand over a close request (and nothing else; the platform looks
// at most every tenth of a second), and throws RunStopped once the program is to end.
void PollStop(TForm1& f);

// At a point where the script waits (a pause): a program that is to end stops
// the running scripts here, without their finishing steps.
void StopIfExitRequested(TForm1& f);

}  // namespace lumora
