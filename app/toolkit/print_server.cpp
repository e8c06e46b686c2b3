// SPDX-License-Identifier: MIT
#include "app/toolkit/print_server.h"

#include <dlfcn.h>

#include <QCoreApplication>
#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <type_traits>

namespace tarnivo::tk {

namespace {

using Clock = std::chrono::steady_clock;

// The few calls of the CUPS library (libcups.so.2, the library Qt's own print plugin uses)
// that ask for the default printer, taken from the library at run time as the print
// plugin does, so that the program needs no CUPS headers to build. Their types are those
// of <cups/cups.h>, <cups/http.h> and <cups/ipp.h>; the enumerations are ints there.
struct http_t;
struct ipp_t;
struct ipp_attribute_t;
struct cups_option_t {
    char* name;
    char* value;
};
struct cups_dest_t {
    char* name;
    char* instance;
    int is_default;
    int num_options;
    cups_option_t* options;
};
using http_timeout_cb_t = int (*)(http_t*, void*);

constexpr int AddressFamilyAny = 0;              // AF_UNSPEC
constexpr int IppTagOperation = 0x01;            // IPP_TAG_OPERATION
constexpr int IppTagAny = 0x00;                  // IPP_TAG_ZERO: any value type
constexpr int IppTagKeyword = 0x44;              // IPP_TAG_KEYWORD
constexpr int IppTagUri = 0x45;                  // IPP_TAG_URI
constexpr int IppGetPrinterAttributes = 0x000B;  // IPP_OP_GET_PRINTER_ATTRIBUTES
constexpr int PrinterStopped = 5;                // IPP_PSTATE_STOPPED

struct Cups {
    const char* (*cupsServer)() = nullptr;
    int (*ippPort)() = nullptr;
    int (*cupsEncryption)() = nullptr;
    http_t* (*httpConnect2)(const char*, int, void*, int, int, int, int, int*) = nullptr;
    void (*httpSetTimeout)(http_t*, double, http_timeout_cb_t, void*) = nullptr;
    void (*httpClose)(http_t*) = nullptr;
    cups_dest_t* (*cupsGetNamedDest)(http_t*, const char*, const char*) = nullptr;
    void (*cupsFreeDests)(int, cups_dest_t*) = nullptr;
    const char* (*cupsGetOption)(const char*, int, cups_option_t*) = nullptr;
    ipp_t* (*ippNewRequest)(int) = nullptr;
    ipp_attribute_t* (*ippAddString)(ipp_t*, int, int, const char*, const char*, const char*) = nullptr;
    ipp_t* (*cupsDoRequest)(http_t*, ipp_t*, const char*) = nullptr;
    ipp_attribute_t* (*ippFindAttribute)(ipp_t*, const char*, int) = nullptr;
    const char* (*ippGetString)(ipp_attribute_t*, int, const char**) = nullptr;
    void (*ippDelete)(ipp_t*) = nullptr;

    // The library, loaded once and never unloaded: a thread may still be inside it when
    // the program ends. Null when it is not on this computer.
    static const Cups* library() {
        static const Cups* const loaded = []() -> const Cups* {
            void* handle = dlopen("libcups.so.2", RTLD_LAZY);
            if (handle == nullptr) return nullptr;
            static Cups cups;
            bool complete = true;
            const auto take = [&](auto& function, const char* name) {
                function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
                complete = complete && function != nullptr;
            };
            take(cups.cupsServer, "cupsServer");
            take(cups.ippPort, "ippPort");
            take(cups.cupsEncryption, "cupsEncryption");
            take(cups.httpConnect2, "httpConnect2");
            take(cups.httpSetTimeout, "httpSetTimeout");
            take(cups.httpClose, "httpClose");
            take(cups.cupsGetNamedDest, "cupsGetNamedDest");
            take(cups.cupsFreeDests, "cupsFreeDests");
            take(cups.cupsGetOption, "cupsGetOption");
            take(cups.ippNewRequest, "ippNewRequest");
            take(cups.ippAddString, "ippAddString");
            take(cups.cupsDoRequest, "cupsDoRequest");
            take(cups.ippFindAttribute, "ippFindAttribute");
            take(cups.ippGetString, "ippGetString");
            take(cups.ippDelete, "ippDelete");
            return complete ? &cups : nullptr;
        }();
        return loaded;
    }
};

// One question to the print server, shared by the thread that asks it and the window that
// waits for the answer; whichever lets go last frees it.
struct Question {
    explicit Question(Clock::time_point until) : deadline(until) {}
    const Clock::time_point deadline;
    std::atomic<bool> abandoned{false};  // the program is ending: stop waiting for the server
    std::atomic<bool> gaveUp{false};     // the server's time was up (the asking thread only)
    std::mutex mutex;
    std::condition_variable answered;
    bool done = false;
    DefaultPrinter answer;
};

// Called by the library while it waits for the server, every quarter of a second: go on
// waiting (1) until the question's time is up or the program ends.
int keepWaiting(http_t* /*connection*/, void* question) {
    auto& asked = *static_cast<Question*>(question);
    if (Clock::now() < asked.deadline && !asked.abandoned.load()) return 1;
    asked.gaveUp = true;
    return 0;
}

std::string optionOf(const Cups& cups, const cups_dest_t& dest, const char* name) {
    const char* value = cups.cupsGetOption(name, dest.num_options, dest.options);
    return value != nullptr ? std::string(value) : std::string();
}

// The printer's own sentence about its state ("paper jam", as `cupsdisable -r` sets it),
// which the destination's options leave out.
std::string stateMessage(const Cups& cups, http_t* connection, const cups_dest_t& dest) {
    std::string uri = optionOf(cups, dest, "printer-uri-supported");
    if (uri.empty()) uri = std::string("ipp://localhost/printers/") + dest.name;
    ipp_t* request = cups.ippNewRequest(IppGetPrinterAttributes);
    if (request == nullptr) return {};
    cups.ippAddString(request, IppTagOperation, IppTagUri, "printer-uri", nullptr, uri.c_str());
    cups.ippAddString(request, IppTagOperation, IppTagKeyword, "requested-attributes", nullptr,
                      "printer-state-message");
    ipp_t* response = cups.cupsDoRequest(connection, request, "/");  // frees the request
    if (response == nullptr) return {};
    std::string message;
    if (ipp_attribute_t* attribute = cups.ippFindAttribute(response, "printer-state-message", IppTagAny)) {
        if (const char* text = cups.ippGetString(attribute, 0, nullptr)) message = text;
    }
    cups.ippDelete(response);
    return message;
}

// What a stopped printer gives as its reasons, "paused" and "none" left out as they say
// nothing the word "stopped" does not ("media-jam-error, cover-open-report").
std::string stateReasons(const std::string& reasons) {
    std::string kept;
    std::size_t at = 0;
    while (at <= reasons.size()) {
        const std::size_t comma = std::min(reasons.find(',', at), reasons.size());
        const std::string reason = reasons.substr(at, comma - at);
        if (!reason.empty() && reason != "none" && reason != "paused") kept += (kept.empty() ? "" : ", ") + reason;
        at = comma + 1;
    }
    return kept;
}

// Runs on the asking thread: the library only, no Qt.
DefaultPrinter ask(const Cups& cups, Question& question) {
    DefaultPrinter printer;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(question.deadline - Clock::now());
    const char* server = cups.cupsServer();
    http_t* connection =
        server == nullptr ? nullptr
                          : cups.httpConnect2(server, cups.ippPort(), nullptr, AddressFamilyAny, cups.cupsEncryption(),
                                              1, static_cast<int>(std::max<long long>(left.count(), 1)), nullptr);
    if (connection == nullptr) {
        // Refused at once: no server runs. Still connecting when the time was up: it does not answer.
        printer.answer = Clock::now() >= question.deadline ? DefaultPrinter::Answer::NotAnswering
                                                           : DefaultPrinter::Answer::NoPrinter;
        return printer;
    }
    cups.httpSetTimeout(connection, 0.25, keepWaiting, &question);
    cups_dest_t* dest = cups.cupsGetNamedDest(connection, nullptr, nullptr);
    if (dest != nullptr && dest->name != nullptr) {
        printer.answer = DefaultPrinter::Answer::Printer;
        printer.name = dest->name;
        if (dest->instance != nullptr) printer.name.append("/").append(dest->instance);
        printer.stopped = std::atoi(optionOf(cups, *dest, "printer-state").c_str()) == PrinterStopped;
        if (printer.stopped) {
            printer.reason = stateMessage(cups, connection, *dest);
            if (printer.reason.empty()) printer.reason = stateReasons(optionOf(cups, *dest, "printer-state-reasons"));
        }
    } else {
        printer.answer = DefaultPrinter::Answer::NoPrinter;
    }
    if (question.gaveUp.load()) printer = {DefaultPrinter::Answer::NotAnswering, {}, false, {}};
    if (dest != nullptr) cups.cupsFreeDests(1, dest);
    cups.httpClose(connection);
    return printer;
}

// The question still out, if any; the window's thread only.
std::shared_ptr<Question>& outstanding() {
    static std::shared_ptr<Question> question;
    return question;
}

// When the program ends, a thread still waiting for the server stops at its next quarter.
void abandonOutstanding() {
    if (const auto& question = outstanding()) question->abandoned = true;
}

std::shared_ptr<Question> startQuestion(const Cups& cups, std::chrono::milliseconds patience) {
    static const bool cleanUp = [] {
        qAddPostRoutine(abandonOutstanding);
        return true;
    }();
    (void)cleanUp;
    auto question = std::make_shared<Question>(Clock::now() + patience);
    try {
        std::thread([&cups, question] {
            DefaultPrinter answer = ask(cups, *question);
            const std::lock_guard lock(question->mutex);
            question->answer = std::move(answer);
            question->done = true;
            question->answered.notify_all();
        }).detach();
    } catch (const std::system_error&) {
        return nullptr;
    }
    return question;
}

bool isDone(Question& question) {
    const std::lock_guard lock(question.mutex);
    return question.done;
}

}  // namespace

DefaultPrinter askForDefaultPrinter(std::chrono::milliseconds patience) {
    const Cups* cups = Cups::library();
    if (cups == nullptr) return {};
    std::shared_ptr<Question>& current = outstanding();
    if (current == nullptr || isDone(*current)) current = startQuestion(*cups, patience);
    if (current == nullptr) return {};
    const std::shared_ptr<Question> question = current;
    // The time a thread that gave up needs to come back with its answer.
    constexpr std::chrono::milliseconds Grace{500};
    const Clock::time_point giveUp = std::max(question->deadline, Clock::now() + patience) + Grace;

    // A server that answers does so in a moment, before anything needs to be redrawn.
    {
        std::unique_lock lock(question->mutex);
        if (question->answered.wait_for(lock, std::chrono::milliseconds(100), [&] { return question->done; }))
            return question->answer;
    }
    // Otherwise the window goes on: it redraws, Tab moves, timers run, until the answer or the time is up.
    QEventLoop wait;
    constexpr int Answered = 1;
    constexpr int TimeIsUp = 2;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &wait, [&] {
        if (isDone(*question)) {
            wait.exit(Answered);
        } else if (Clock::now() >= giveUp) {
            wait.exit(TimeIsUp);
        }
    });
    poll.start(20);
    const bool cursor = qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
    if (cursor) QGuiApplication::setOverrideCursor(QCursor(Qt::BusyCursor));
    const int ended = wait.exec();
    if (cursor) QGuiApplication::restoreOverrideCursor();
    if (ended != Answered && ended != TimeIsUp) return {DefaultPrinter::Answer::Interrupted, {}, false, {}};
    const std::lock_guard lock(question->mutex);
    if (!question->done) return {DefaultPrinter::Answer::NotAnswering, {}, false, {}};
    return question->answer;
}

}  // namespace tarnivo::tk
