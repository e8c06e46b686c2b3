// SPDX-License-Identifier: MIT
// Print Results on a computer with a printer: the end-of-set screen goes to the default
// printer, a private print server's PDF queue, and the page is read back as an image.
#include <QImage>
#include <QRegularExpression>
#include <chrono>
#include <functional>
#include <map>
#include <utility>

#include "app/runtime/text.h"
#include "app/toolkit/qt_bridge.h"
#include "tests/practice_window/practice_fixture.h"
#include "tests/support/cups_test_server.h"
#include "tests/support/page_image.h"
#include "tests/support/scripted_dialogs.h"

namespace practice_test {
namespace {

using namespace std::chrono_literals;
using tarnivo::testing::CupsTestServer;

// The grey student band on a printed page. Its edges above and below the labels give
// its width; the grey between the labels, its height.
QRectF bandOn(const QImage& page) {
    const auto grey = tarnivo::testing::near(qRgb(0xE0, 0xE0, 0xE0), 12);
    const QRect edge = tarnivo::testing::rowBand(page, grey, 0.3);
    if (!edge.isValid()) return {};
    const QRect across = tarnivo::testing::boundingBox(page.copy(edge), grey);
    const QRect columns(across.left(), 0, across.width(), page.height());
    const QRect rows = tarnivo::testing::rowBand(page.copy(columns), grey, 0.03);
    return QRectF(across.left(), rows.top(), across.width(), rows.height());
}

// One problem's row of the printed review, as pdftotext reads it.
struct ReviewRow {
    QString problem;
    QString answer;
    int submissions = 0;
    QString wrongAnswers;  // with any lines the row wraps onto
};

// The rows of the review by problem number: a line that starts with the number, the
// problem a√b / c√d, its answer and the count of submissions.
std::map<int, ReviewRow> reviewRows(const QStringList& lines) {
    static const QRegularExpression row(
        QStringLiteral("^\\s*(\\d+)\\s+(\\d+\u221A\\d+ / \\d+\u221A\\d+)\\s+(\\S+)\\s+(\\d+)(\\s+(.*))?$"));
    std::map<int, ReviewRow> rows;
    ReviewRow* last = nullptr;
    for (const QString& line : lines) {
        const auto match = row.match(line);
        if (match.hasMatch()) {
            last = &rows[match.captured(1).toInt()];
            *last = {match.captured(2), match.captured(3), match.captured(4).toInt(), match.captured(6).trimmed()};
        } else if (last != nullptr && !line.trimmed().isEmpty()) {
            last->wrongAnswers += QLatin1Char(' ') + line.trimmed();
        }
    }
    return rows;
}

// The answer as the key writes it: parts equal to 1 left out, "1" when nothing else is left above the bar.
QString keyAnswerText(const std::array<std::string, 3>& key) {
    QString text = key[0] != "1" || key[1] == "1" ? QString::fromStdString(key[0]) : QString();
    if (key[1] != "1") text += QStringLiteral("\u221A") + QString::fromStdString(key[1]);
    if (key[2] != "1") text += QLatin1Char('/') + QString::fromStdString(key[2]);
    return text;
}

class PrintOnPrinter : public PracticeWindow {
protected:
    void SetUp() override {
        CupsTestServer::isolatePrinting();
        PracticeWindow::SetUp();
    }

    // Starts the print server with one PDF queue as the default printer, or says why not.
    bool startPrinter(CupsTestServer& server) {
        if (const QString reason = CupsTestServer::unavailableReason(); !reason.isEmpty()) {
            skipReason = reason.toStdString();
        } else if (!tarnivo::testing::canRenderPdf()) {
            skipReason = "pdftoppm is not installed";
        } else if (!server.start()) {
            skipReason = "no print server could be started: " + server.failure().toStdString();
        } else {
            return true;
        }
        return false;
    }

    // Works the whole set. Before the right answer to each problem, `wrongFirst` may submit
    // wrong answers and returns the texts the problem's review row must hold for them.
    // Returns what each row must show: the problem, its answer and those texts.
    std::map<int, std::pair<ReviewRow, QStringList>> workTheSet(
        const std::function<QStringList(int, const std::array<std::string, 3>&)>& wrongFirst) {
        std::map<int, std::pair<ReviewRow, QStringList>> expected;
        click(form->cmdStart);
        for (int problem = 1; problem <= tarnivo::ProblemLimit; ++problem) {
            const auto k = key();
            const auto term = [this](int i) { return QString::fromStdString(form->lblProb[i].caption()); };
            const QString shown = term(0) + QStringLiteral("\u221A") + term(1) + QStringLiteral(" / ") + term(2) +
                                  QStringLiteral("\u221A") + term(3);
            const auto before = static_cast<int>(tarnivo::PracticeWindowProbe::score(*form).TotalCount().value());
            const QStringList wrong = wrongFirst(problem, k);
            tarnivo::testing::enterAnswer(*form, answerFor(k));
            click(form->cmdSubmit);
            const int submissions =
                static_cast<int>(tarnivo::PracticeWindowProbe::score(*form).TotalCount().value()) - before;
            expected[problem] = {{shown, keyAnswerText(k), submissions, {}}, wrong};
            if (problem < tarnivo::ProblemLimit) click(form->cmdNew);
        }
        settle();
        return expected;
    }

    // A wrong answer in the key's own shape: its first box gets a digit too many.
    QString submitWrong(const std::array<std::string, 3>& k, const std::string& extra) {
        Answer answer = answerFor(k);
        const auto box = static_cast<std::size_t>(tarnivo::AnswerFormSelector::firstAnswerBox(answer.shape));
        answer.boxes[box] += extra;
        tarnivo::testing::enterAnswer(*form, answer);
        click(form->cmdSubmit);
        return QString::fromStdString(answer.boxes[box]) + QStringLiteral("\u2717");
    }

    // Any question from the print service means the page did not reach the printer.
    tarnivo::testing::ScriptedDialogs dialogs;
    std::string skipReason;
};

TEST_F(PrintOnPrinter, TheWholeEndOfSetScreenComesOutUprightWhateverTheWindowsSize) {
    const QString reason = CupsTestServer::unavailableReason();
    if (!reason.isEmpty()) GTEST_SKIP() << reason.toStdString();
    if (!tarnivo::testing::canRenderPdf()) GTEST_SKIP() << "pdftoppm is not installed";
    CupsTestServer server;
    if (!server.start()) GTEST_SKIP() << "no print server could be started: " << server.failure().toStdString();
    const QString queue = QStringLiteral("TarnivoRecord");
    ASSERT_TRUE(server.addPdfQueue(queue) && server.makeDefault(queue)) << server.failure().toStdString();

    fillStudentData();
    form->lblName.setCaption("Papadopoulos-Konstantinidou, Alexandra");
    form->lblID.setCaption("202412345");
    workTheWholeSet();
    ASSERT_EQ(form->lblPercent.caption(), " 100%");
    const QImage screen = tarnivo::testing::grabWindow(*form, "practice-print-screen");

    QWidget* window = widgetOf(*form);
    const std::pair<const char*, std::function<void()>> sizes[] = {
        {"shrunk", [window] { window->resize(420, 330); }},
        {"maximised", [window] { window->showMaximized(); }},
    };
    QImage firstPage;
    int printed = 0;
    for (const auto& [what, resize] : sizes) {
        SCOPED_TRACE(what);
        resize();
        settle();
        const QImage before = window->grab().toImage();
        click(form->cmdPrintIt);
        ASSERT_TRUE(server.waitUntilIdle(30s)) << server.failure().toStdString();
        EXPECT_EQ(server.completedJobs(queue), ++printed) << "each press prints one more copy";
        EXPECT_EQ(dialogs.asked(), 0);
        EXPECT_EQ(dialogs.told,
                  QStringList(printed, QStringLiteral("The results were sent to the printer \"%1\".").arg(queue)))
            << "one message for each print, naming the printer";
        EXPECT_EQ(window->grab().toImage(), before) << "printing leaves the window as it was";
        EXPECT_EQ(tarnivo::testing::pdfTitle(server.outputOf(queue)),
                  QStringLiteral("Tarnivo - Papadopoulos-Konstantinidou, Alexandra - 12-08-2026"))
            << "the job is named after the student and the date";

        const QImage page = tarnivo::testing::renderPdfPage(server.outputOf(queue), 50);
        ASSERT_FALSE(page.isNull());
        if (firstPage.isNull()) {
            firstPage = page;
            // Sharp enough to read the band, for people to look at.
            tarnivo::testing::renderPdfPage(server.outputOf(queue), 100)
                .save(QStringLiteral(TARNIVO_BUILD_DIR "/screens/practice-print-page.png"));
        }
        EXPECT_LT(page.width(), page.height()) << "upright on portrait paper";
        // The grey student band finds the window on the white page: it lies where the
        // designed window puts it, at one scale across and down.
        const QRectF band = bandOn(page);
        ASSERT_TRUE(band.isValid());
        const tk::Frame& frame = form->fraStudentData;
        const QRectF designedBand = tk::toQRect(frame.left(), frame.top(), frame.width(), frame.height());
        const double scale = band.width() / designedBand.width();
        EXPECT_NEAR(band.height() / designedBand.height(), scale, 0.06 * scale) << "in proportion";
        const QRectF onPage(band.left() - designedBand.left() * scale, band.top() - designedBand.top() * scale,
                            screen.width() * scale, screen.height() * scale);
        EXPECT_GT(onPage.width(), page.width() * 0.85) << "as wide as the paper allows";
        EXPECT_NEAR(onPage.left(), page.width() - onPage.right(), 3) << "centred across";
        EXPECT_LT(onPage.top(), page.height() / 12.0) << "at the top of the page";
        EXPECT_LT(tarnivo::testing::meanDifference(page.copy(onPage.toRect()), screen), 8) << "the whole screen";
        EXPECT_LT(tarnivo::testing::meanDifference(page, firstPage), 1) << "the same page at any window size";
    }
}

TEST_F(PrintOnPrinter, TheReviewBelowTheScreenHoldsTheStudentAndEveryProblemWithItsWrongAnswersOnOnePage) {
    CupsTestServer server;
    if (!startPrinter(server)) GTEST_SKIP() << skipReason;
    const QString queue = QStringLiteral("TarnivoReview");
    ASSERT_TRUE(server.addPdfQueue(queue) && server.makeDefault(queue)) << server.failure().toStdString();

    fillStudentData();
    const std::string name = "Papadopoulos-Konstantinidou, Alexandra Z";
    const std::string number = "2024123456789";
    ASSERT_EQ(name.size(), 40U);
    form->lblName.setCaption(name);
    form->lblID.setCaption(number);
    int hiddenPartProblem = 0;
    const auto expected = workTheSet([&](int problem, const std::array<std::string, 3>& k) -> QStringList {
        if (problem == 3) return {submitWrong(k, "0")};
        // Invisible characters around a box are not marked; one inside it is, and shows.
        if (problem == 5 || problem == 6) {
            Answer answer = answerFor(k);
            const auto box = static_cast<std::size_t>(tarnivo::AnswerFormSelector::firstAnswerBox(answer.shape));
            const std::string typed = answer.boxes[box];
            answer.boxes[box] = problem == 5 ? "\u200b" + typed + "\u3000\n" : "\u200b" + typed + "\t9\u3000";
            tarnivo::testing::enterAnswer(*form, answer);
            click(form->cmdSubmit);
            if (problem == 5) return {};  // right: a single submission, nothing wrong to list
            return {QString::fromStdString(typed) + QStringLiteral("\u24239\u2717")};
        }
        if (problem == 8) return {submitWrong(k, "7"), submitWrong(k, "77")};
        // The coefficient alone, where the key has a radical: the shape hides a part it needs.
        if (hiddenPartProblem == 0 && problem >= 12 && k[1] != "1") {
            hiddenPartProblem = problem;
            tarnivo::testing::enterAnswer(*form, Answer{4, {k[0], "", ""}});
            click(form->cmdSubmit);
            return {QString::fromStdString(k[0]) + QStringLiteral(" (\u221AB"), QStringLiteral("left out\u2717)")};
        }
        return {};
    });
    ASSERT_NE(hiddenPartProblem, 0) << "no problem after the 11th has a radical in its key";
    ASSERT_TRUE(form->cmdPrintIt.usable());

    // Each paper is checked whole, also when the other one fails.
    const auto printsWholeOn = [&](const QString& paper) {
        SCOPED_TRACE(paper.toStdString());
        ASSERT_TRUE(server.setPaper(queue, paper)) << server.failure().toStdString();
        click(form->cmdPrintIt);
        ASSERT_TRUE(server.waitUntilIdle(30s)) << server.failure().toStdString();
        EXPECT_EQ(dialogs.asked(), 0);
        const QString pdf = server.outputOf(queue);
        const bool a4 = paper == QStringLiteral("A4");
        if (a4) {
            tarnivo::testing::renderPdfPage(pdf, 100).save(
                QStringLiteral(TARNIVO_BUILD_DIR "/screens/practice-review-page.png"));
        }
        EXPECT_NEAR(tarnivo::testing::renderPdfPage(pdf, 72).width(), a4 ? 595 : 612, 2) << "printed on this paper";
        EXPECT_EQ(tarnivo::testing::pdfPageCount(pdf), 1) << "the screen and the review on one sheet";
        EXPECT_GE(tarnivo::testing::smallestWordHeight(pdf), 8.0) << "no text smaller than 8 points";

        const QStringList lines = tarnivo::testing::pdfTextLines(pdf);
        const QString text = lines.join(QLatin1Char('\n'));
        for (const std::string& entry : {name, number, std::string("Mr Jones"), std::string("12/08/2026")}) {
            EXPECT_TRUE(text.contains(QString::fromStdString(entry))) << entry << " whole on the page:\n"
                                                                      << text.toStdString();
        }
        EXPECT_TRUE(
            text.contains(QStringLiteral("Total: ") + QString::fromStdString(tarnivo::trim(form->lblWrong.caption()))));
        const std::map<int, ReviewRow> rows = reviewRows(lines);
        ASSERT_EQ(rows.size(), std::size_t{20}) << text.toStdString();
        for (const auto& [problem, want] : expected) {
            SCOPED_TRACE("problem " + std::to_string(problem));
            ASSERT_TRUE(rows.count(problem) == 1);
            const ReviewRow& row = rows.at(problem);
            EXPECT_EQ(row.problem, want.first.problem);
            EXPECT_EQ(row.answer, want.first.answer);
            EXPECT_EQ(row.submissions, want.first.submissions);
            for (const QString& wrong : want.second) {
                EXPECT_TRUE(row.wrongAnswers.contains(wrong))
                    << wrong.toStdString() << " in " << row.wrongAnswers.toStdString();
            }
            if (want.second.isEmpty()) {
                EXPECT_TRUE(row.wrongAnswers.isEmpty()) << row.wrongAnswers.toStdString();
            }
        }
    };
    printsWholeOn(QStringLiteral("A4"));
    printsWholeOn(QStringLiteral("Letter"));
}

TEST_F(PrintOnPrinter, TwoHundredWrongAnswersPrintWholeOnAtMostTwoPagesWithExactCounts) {
    CupsTestServer server;
    if (!startPrinter(server)) GTEST_SKIP() << skipReason;
    const QString queue = QStringLiteral("TarnivoReview");
    ASSERT_TRUE(server.addPdfQueue(queue) && server.makeDefault(queue) &&
                server.setPaper(queue, QStringLiteral("Letter")))
        << server.failure().toStdString();
    fillStudentData();
    const auto expected = workTheSet([&](int /*problem*/, const std::array<std::string, 3>& k) {
        QStringList first;
        for (int attempt = 1; attempt <= 10; ++attempt) {
            const QString wrong = submitWrong(k, std::to_string(attempt));
            if (attempt <= 3) first << wrong;
        }
        return first << QStringLiteral("and 7 more");
    });
    ASSERT_EQ(form->lblWrong.caption(), " 220");
    click(form->cmdPrintIt);
    ASSERT_TRUE(server.waitUntilIdle(30s)) << server.failure().toStdString();
    EXPECT_EQ(tarnivo::testing::pdfPageCount(server.outputOf(queue)), 1) << "as many rows as with 40 wrong answers";
    // A teacher's name of some 300 words pushes the table over the end of the sheet.
    QStringList words;
    for (int word = 1; word <= 300; ++word) words << QStringLiteral("w%1").arg(word, 4, 10, QLatin1Char('0'));
    form->lblTeacher.setCaption(words.join(QLatin1Char(' ')).toStdString());
    click(form->cmdPrintIt);
    ASSERT_TRUE(server.waitUntilIdle(30s)) << server.failure().toStdString();
    const QString pdf = server.outputOf(queue);
    tarnivo::testing::renderPdfPage(pdf, 100).save(
        QStringLiteral(TARNIVO_BUILD_DIR "/screens/practice-review-200.png"));
    EXPECT_EQ(tarnivo::testing::pdfPageCount(pdf), 2) << "continued on a second sheet";
    const QStringList lines = tarnivo::testing::pdfTextLines(pdf);
    const QString text = lines.join(QLatin1Char(' '));
    for (const QString& word : words) EXPECT_TRUE(text.contains(word)) << word.toStdString() << " is cut off";
    const std::map<int, ReviewRow> rows = reviewRows(lines);
    ASSERT_EQ(rows.size(), std::size_t{20});
    for (const auto& [problem, want] : expected) {
        SCOPED_TRACE("problem " + std::to_string(problem));
        EXPECT_EQ(rows.at(problem).submissions, 11);
        for (const QString& wrong : want.second)
            EXPECT_TRUE(rows.at(problem).wrongAnswers.contains(wrong)) << wrong.toStdString();
    }
}

}  // namespace
}  // namespace practice_test
