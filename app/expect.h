// A walkthrough's expect lines: what the game must hold or show at that point
// of a play-through, so an author keeps play-throughs as the game's tests.
#pragma once
#include <string>

namespace lumora {

struct Action;
struct TForm1;

// Empty when the action's expectation holds, else what went wrong, as
// "expected reg 11 65, got 64" (UTF-8). Understood:
//   expect script NAME           the script last run (a place's, a typed command's)
//   expect place NAME            the place (position) itself
//   expect model N               the display model
//   expect reg N VALUE           register N holds VALUE (empty: holds nothing)
//   expect obj KEY PLACE         object KEY lies in PLACE ("jog": the player has it)
//   expect msg contains TEXT     the messages of the display model shown hold TEXT
std::string CheckExpectation(const TForm1& f, const Action& action);

}  // namespace lumora
