// SPDX-License-Identifier: MIT
// Print Results on the end-of-set screen, on a computer without a printer: the student
// is offered the same page as a PDF file named after them and the date.
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>

#include "tests/practice_window/practice_fixture.h"
#include "tests/support/scripted_dialogs.h"
#include "ui/practice/record_file_name.h"

namespace practice_test {
namespace {

class PrintResults : public PracticeWindow {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch.isValid());
        // No print server answers here, so there is no default printer.
        setenv("CUPS_SERVER", QFile::encodeName(scratch.filePath("no-print-server")).constData(), 1);
        unsetenv("PRINTER");
        unsetenv("LPDEST");
        answers.chosenFolder = scratch.path();
        PracticeWindow::SetUp();
    }

    QTemporaryDir scratch;
    tarnivo::testing::ScriptedDialogs answers;
};

TEST_F(PrintResults, WithoutAPrinterTheRecordIsOfferedAsAPdfNamedAfterTheStudent) {
    fillStudentData();
    click(form->cmdStart);
    form->shutdown();  // the end-of-set screen, as the twentieth right answer leaves it
    settle();
    ASSERT_TRUE(form->cmdPrintIt.usable());
    const QImage before = widgetOf(*form)->grab().toImage();

    for (int press = 1; press <= 2; ++press) {
        click(form->cmdPrintIt);
        ASSERT_EQ(answers.suggestedPaths.size(), press);
        EXPECT_EQ(QFileInfo(answers.suggestedPaths.back()).fileName(), "Tarnivo - Smith, Ann - 12-08-2026.pdf");
        const QString saved = scratch.filePath("Tarnivo - Smith, Ann - 12-08-2026.pdf");
        QFile pdf(saved);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_EQ(pdf.read(5), "%PDF-");
        pdf.close();
        QFile::remove(saved);
    }
    EXPECT_EQ(answers.reasons.size(), 2);
    EXPECT_TRUE(answers.failures.isEmpty());
    // Printing leaves the window as it was.
    EXPECT_EQ(widgetOf(*form)->grab().toImage(), before);
    EXPECT_TRUE(form->cmdPrintIt.usable());
    EXPECT_FALSE(tk::Forms::ended());
}

TEST(RecordFileName, NamesTheStudentAndTheDateSafely) {
    struct Case {
        const char* name;
        const char* date;
        const char* file;
    };
    const Case cases[] = {
        {"Smith, Ann", "12/08/2026", "Tarnivo - Smith, Ann - 12-08-2026.pdf"},
        {"  O'Neil  ", "2026-08-12", "Tarnivo - O'Neil - 2026-08-12.pdf"},
        {"a/b\\c:d*e?f\"g<h>i|j", "1.2.26", "Tarnivo - a-b-c-d-e-f-g-h-i-j - 1.2.26.pdf"},
        {"../..", "08/12/26", "Tarnivo - ..-.. - 08-12-26.pdf"},
        {"", "12/08/2026", "Tarnivo - 12-08-2026.pdf"},
        {"   ", "", "Tarnivo.pdf"},
        {"Zoë Ångström", "12.08.2026", "Tarnivo - Zoë Ångström - 12.08.2026.pdf"},
        {"tab\there", "x", "Tarnivo - tab-here - x.pdf"},
    };
    for (const Case& c : cases) EXPECT_EQ(tarnivo::recordFileName(c.name, c.date), c.file) << c.name;
}

}  // namespace
}  // namespace practice_test
