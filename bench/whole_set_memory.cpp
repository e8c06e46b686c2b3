// SPDX-License-Identifier: MIT
// Peak memory of one whole set: starts the program's windows (offscreen unless
// QT_QPA_PLATFORM says otherwise), signs in, works the twenty problems from the key,
// every third one wrong first, reaches the end-of-set screen and prints the peak
// resident set size of the process.
#include <sys/resource.h>

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/runtime/text.h"
#include "app/toolkit/application.h"
#include "app/toolkit/dispatch.h"
#include "app/toolkit/forms.h"
#include "engine/score.h"
#include "tests/support/student_input.h"
#include "tests/support/toolkit_probes.h"
#include "ui/practice/frm_tarnivo.h"
#include "ui/signin/frm_sign_in.h"
#include "ui/startup.h"

namespace {

using namespace tarnivo;

long peakResidentKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// Lets the windows paint what the last step changed, as they would on a screen.
void paint() { QApplication::processEvents(); }

bool signIn() {
    testing::signIn(tk::Forms::get<frmSignIn>());
    return !tk::FormsProbe::isLoaded<frmSignIn>() && tk::Forms::get<frmTarnivo>().enabled();
}

bool workTheSet(frmTarnivo& form) {
    form.cmdStart.press();
    paint();
    for (int problem = 1; problem <= ProblemLimit; ++problem) {
        const testing::KeyAnswer answer = testing::answerFor(testing::keyOf(form));
        if (problem % 3 == 2) {
            tk::dispatch([&] { testing::enterAnswer(form, answer, true); });
            paint();
            form.cmdSubmit.press();
            paint();
        }
        tk::dispatch([&] { testing::enterAnswer(form, answer); });
        paint();
        form.cmdSubmit.press();
        paint();
        if (!form.cmdNew.enabled() && problem < ProblemLimit) {
            std::fprintf(stderr, "problem %d: the answer read off the key was not marked right\n", problem);
            return false;
        }
        if (problem < ProblemLimit) {
            form.cmdNew.press();
            paint();
        }
    }
    return form.cmdPrintIt.visible() && !form.fraAnswer.visible() && form.lblRight.caption() == signText(ProblemLimit);
}

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const long beforeQt = peakResidentKiB();
    tk::Application application(argc, argv);
    tk::dispatch([] { showStartupWindow(); });
    paint();
    const long atStartUp = peakResidentKiB();

    if (!signIn()) {
        std::fprintf(stderr, "the sign-in window did not hand over to the practice window\n");
        return 1;
    }
    if (!workTheSet(tk::Forms::get<frmTarnivo>())) {
        std::fprintf(stderr, "the set did not end on the end-of-set screen\n");
        return 1;
    }
    const long afterSet = peakResidentKiB();
    std::printf("peak resident set size before the windows: %ld KiB (%.1f MiB)\n", beforeQt,
                static_cast<double>(beforeQt) / 1024.0);
    std::printf("peak resident set size at start-up:        %ld KiB (%.1f MiB)\n", atStartUp,
                static_cast<double>(atStartUp) / 1024.0);
    std::printf("peak resident set size after a whole set:  %ld KiB (%.1f MiB)\n", afterSet,
                static_cast<double>(afterSet) / 1024.0);
    return 0;
}
