// SPDX-License-Identifier: MIT
// The whole program under random abuse: clicks anywhere, keys, huge and strange pastes,
// answer shapes, desktop closes, mixed with a student working through the set. Every
// rule a user relies on is checked after every event.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <iostream>

#include "tests/monkey/program_walk.h"
#include "tests/support/scripted_dialogs.h"
#include "tests/support/test_app.h"

namespace monkey {
namespace {

namespace tk = tarnivo::tk;

constexpr int EventsPerWalk = 50'000;

QStringList documentsFolderFiles() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

class MonkeyWalk : public ::testing::TestWithParam<unsigned> {
protected:
    void SetUp() override {
        tarnivo::testing::ensureApplication();
        ASSERT_TRUE(scratch_.isValid());
        // No print server answers here, so there is no default printer and Print Results
        // always ends in the offer to save a PDF instead.
        setenv("CUPS_SERVER", QFile::encodeName(scratch_.filePath("no-print-server")).constData(), 1);
        unsetenv("PRINTER");
        unsetenv("LPDEST");
        // Every offer to save a PDF instead is answered Cancel, so no modal dialog stops the walk.
        dialogs.takeOffer = false;
    }
    void TearDown() override { tarnivo::testing::resetProgram(); }

    tarnivo::testing::ScriptedDialogs dialogs;

private:
    QTemporaryDir scratch_;
};

TEST_P(MonkeyWalk, SurvivesFiftyThousandRandomEvents) {
    const unsigned seed = GetParam();
    SCOPED_TRACE("seed " + std::to_string(seed));
    const QStringList documentsBefore = documentsFolderFiles();

    const auto started = std::chrono::steady_clock::now();
    const std::clock_t cpuStarted = std::clock();
    ProgramWalk walk(seed, dialogs);
    const WalkReport report = walk.run(EventsPerWalk);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
    // On a busy machine the time on the clock says little; the processor time is the measure.
    const double cpuSeconds = static_cast<double>(std::clock() - cpuStarted) / CLOCKS_PER_SEC;

    std::cout << "[   walk   ] seed " << seed << ": " << report.events << " events in " << took.count() << " s ("
              << cpuSeconds << " s of processor time), " << report.restarts << " restarts, " << report.setsCompleted
              << " sets completed, " << report.printsPressed << " presses of Print Results" << std::endl;
    RecordProperty("seconds", std::to_string(took.count()));
    RecordProperty("cpu_seconds", std::to_string(cpuSeconds));
    RecordProperty("restarts", report.restarts);
    RecordProperty("sets", report.setsCompleted);

    ASSERT_TRUE(report.failure.empty()) << report.failure;
    EXPECT_EQ(report.events, EventsPerWalk);
    // The walk ended and started the program again, and got through whole sets.
    EXPECT_GT(report.restarts, 0);
    EXPECT_GT(report.setsCompleted, 0);
    // Every Print Results was answered Cancel: nothing asked for a file, nothing written.
    EXPECT_GT(report.printsPressed, 0);
    EXPECT_GE(dialogs.reasons.size(), report.printsPressed);
    EXPECT_EQ(dialogs.suggestedPaths.size(), 0);
    EXPECT_EQ(dialogs.failures.size(), 0);
    EXPECT_EQ(documentsFolderFiles(), documentsBefore);
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyWalk, ::testing::Values(1U, 2U, 3U));

}  // namespace
}  // namespace monkey
