// SPDX-License-Identifier: MIT
// Print Results on the end-of-set screen, on a computer without a printer: the student
// is offered the same page as a PDF file named after them and the date.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

#include "tests/practice_window/practice_fixture.h"
#include "tests/support/modal_answers.h"
#include "tests/support/page_image.h"
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
        // A lab account: a home folder with no Documents folder in it.
        ASSERT_TRUE(QDir(scratch.path()).mkpath(QStringLiteral("home")));
        savedHome = qgetenv("HOME");
        savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(scratch.filePath(QStringLiteral("config"))));
        // The student keeps the folder the dialog opens in.
        answers.chosenFolder = home();
        PracticeWindow::SetUp();
    }
    void TearDown() override {
        qputenv("HOME", savedHome);
        if (savedConfig.isNull()) {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", savedConfig);
        }
        PracticeWindow::TearDown();
    }
    [[nodiscard]] QString home() const { return scratch.filePath(QStringLiteral("home")); }

    QTemporaryDir scratch;
    tarnivo::testing::ScriptedDialogs answers;
    QByteArray savedHome;
    QByteArray savedConfig;
};

TEST_F(PrintResults, WithoutAPrinterTheRecordIsOfferedAsAPdfNamedAfterTheStudentInAFolderThatExists) {
    fillStudentData();
    click(form->cmdStart);
    form->shutdown();  // the end-of-set screen, as the twentieth right answer leaves it
    settle();
    ASSERT_TRUE(form->cmdPrintIt.usable());
    const QImage before = widgetOf(*form)->grab().toImage();

    for (int press = 1; press <= 2; ++press) {
        click(form->cmdPrintIt);
        ASSERT_EQ(answers.suggestedPaths.size(), press);
        const QString saved = QDir(home()).filePath("Tarnivo - Smith, Ann - 12-08-2026.pdf");
        EXPECT_EQ(answers.suggestedPaths.back(), saved) << "the home folder, as there is no Documents folder";
        QFile pdf(saved);
        ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
        EXPECT_EQ(pdf.read(5), "%PDF-");
        pdf.close();
        if (tarnivo::testing::canRenderPdf()) {
            EXPECT_EQ(tarnivo::testing::pdfTitle(saved), QStringLiteral("Tarnivo - Smith, Ann - 12-08-2026"));
        }
        QFile::remove(saved);
    }
    EXPECT_EQ(answers.reasons.size(), 2);
    EXPECT_TRUE(answers.failures.isEmpty());
    // Printing leaves the window as it was.
    EXPECT_EQ(widgetOf(*form)->grab().toImage(), before);
    EXPECT_TRUE(form->cmdPrintIt.usable());
    EXPECT_FALSE(tk::Forms::ended());
}

// Answers the real message box with Save as PDF and the real file dialog as it stands:
// accepted, or with `cancel` cancelled. `offered` gets what the file dialog offered: the
// file, or with `cancel` the folder.
void answerSaveAsPdf(const std::shared_ptr<QString>& offered, bool cancel) {
    tarnivo::testing::whenModalDialogOpens([offered, cancel](QWidget* box) {
        tarnivo::testing::whenModalDialogOpens(
            [offered, cancel](QWidget* dialog) {
                auto* files = static_cast<QFileDialog*>(dialog);
                *offered = cancel ? files->directory().absolutePath() : files->selectedFiles().value(0);
                QMetaObject::invokeMethod(files, cancel ? "reject" : "accept", Qt::QueuedConnection);
            },
            "QFileDialog");
        tarnivo::testing::clickButton(box, QStringLiteral("Save as PDF\u2026"));
    });
}

TEST_F(PrintResults, AHundredCharacterNameIsSavedUnderANameTheDiskTakesAndNothingElseIsLeftBehind) {
    tk::setDialogsForTesting(nullptr);
    // Qt's own settings would go to the home folder's .config, where a student's would.
    qunsetenv("XDG_CONFIG_HOME");
    fillStudentData();
    const QString han = QStringLiteral("\u674E\u738B\u5F20\u5218\u9648\u6768\u8D75\u9EC4\u5468\u5434");
    QString name;
    while (name.size() < 100) name += han;
    form->lblName.setCaption(name.toStdString());
    click(form->cmdStart);
    form->shutdown();
    settle();

    auto offered = std::make_shared<QString>();
    answerSaveAsPdf(offered, false);
    click(form->cmdPrintIt);
    settle();
    const QFileInfo saved(*offered);
    EXPECT_EQ(saved.absolutePath(), home());
    EXPECT_LE(saved.fileName().toUtf8().size(), 255);
    EXPECT_TRUE(saved.fileName().startsWith(QStringLiteral("Tarnivo - ") + han)) << saved.fileName().toStdString();
    EXPECT_TRUE(saved.fileName().endsWith(QStringLiteral(" - 12-08-2026.pdf"))) << saved.fileName().toStdString();
    QFile pdf(saved.filePath());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly)) << "the suggested PDF is saved";
    EXPECT_EQ(pdf.read(5), "%PDF-");
    QStringList left = QDir(home()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    left.removeAll(QStringLiteral(".cache"));
    left.removeAll(QStringLiteral(".dbus"));
    EXPECT_EQ(left.join(QStringLiteral(" | ")).toStdString(), saved.fileName().toStdString())
        << "the home folder holds the PDF and nothing else";

    // A home that is not there is neither offered nor made.
    const QString missing = scratch.filePath(QStringLiteral("gone"));
    qputenv("HOME", QFile::encodeName(missing));
    answerSaveAsPdf(offered, true);
    click(form->cmdPrintIt);
    settle();
    EXPECT_TRUE(QFileInfo(*offered).isDir() && QFileInfo(*offered).isWritable()) << offered->toStdString();
    EXPECT_FALSE(QFileInfo::exists(missing)) << "the missing home folder was made";
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
