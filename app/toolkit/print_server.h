// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <string>

namespace tarnivo::tk {

// What the print server (CUPS) says about the computer's default printer.
struct DefaultPrinter {
    enum class Answer {
        Printer,       // the server named its default printer: name, stopped, reason
        NoPrinter,     // no server runs, or it knows no default printer
        NotAnswering,  // the server took the connection or was looked for, but gave no answer in time
        NotAsked,      // the print server library is not there: Qt alone is asked, as before
        Interrupted,   // the program began to end while the window waited
    };
    Answer answer = Answer::NotAsked;
    std::string name;  // as Qt names the printer: "queue", or "queue/instance"
    bool stopped = false;
    std::string reason;  // why it is stopped: the printer's state message, else its state reasons
};

// Asks the print server which printer is the default and what state it is in, without
// freezing the window: the question goes to the server on a thread of its own, which
// does nothing else and touches no window and no Qt object, while the window's events
// go on being handled here (in a local event loop, once the answer takes longer than a
// moment). Gives up after `patience`. While a question given up on is still out, the
// next one waits for its answer instead of asking again, so no more than one thread ever
// waits for the server. The thread ends by itself, at the latest when its time is up; one
// still waiting for the server when the program ends holds nothing the program frees.
// The caller must expect the window to have gone or the program to be ending afterwards.
DefaultPrinter askForDefaultPrinter(std::chrono::milliseconds patience);

// How long the window waits for the print server before it says that it is not answering.
inline constexpr std::chrono::milliseconds PrintServerPatience{5000};

}  // namespace tarnivo::tk
