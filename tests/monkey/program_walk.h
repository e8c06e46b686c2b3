// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <random>
#include <string>

#include "tests/monkey/monkey.h"
#include "tests/monkey/student.h"
#include "tests/monkey/walk_event.h"
#include "tests/support/scripted_dialogs.h"

namespace monkey {

// What one walk did, and the first rule the program broke, if any.
struct WalkReport {
    int events = 0;
    int restarts = 0;
    int setsCompleted = 0;
    int printsPressed = 0;
    std::string failure;
};

// A seeded random walk through the whole program, started as main starts it: random
// abuse mixed with a student's steps through the set, every rule checked after every
// event. When the user ends the program on purpose the walk starts it again.
class ProgramWalk {
public:
    ProgramWalk(unsigned seed, const tarnivo::testing::ScriptedDialogs& dialogs);
    WalkReport run(int eventCount);

private:
    void startProgram();
    WalkEvent nextEvent();
    // Why the program is not as its user may expect after this event, or "".
    std::string check(const WalkEvent& event, int offersBefore);
    std::string failureReport(int index, const std::string& broken) const;

    unsigned seed_;
    std::mt19937 random_;
    const tarnivo::testing::ScriptedDialogs& dialogs_;
    Monkey monkey_;
    Student student_;
    WalkReport report_;
    bool exitClicked_ = false;
    bool setCounted_ = false;
    std::deque<std::string> recentEvents_;
};

}  // namespace monkey
