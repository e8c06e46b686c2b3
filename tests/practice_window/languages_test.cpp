// SPDX-License-Identifier: MIT
// Both windows in every language the program speaks: each caption translated, drawn whole in
// its box, and each window's access keys told apart.
#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/toolkit/command_button.h"
#include "app/toolkit/forms.h"
#include "app/toolkit/frame.h"
#include "app/toolkit/label.h"
#include "app/toolkit/languages.h"
#include "app/toolkit/print.h"
#include "app/toolkit/qt_bridge.h"
#include "tests/support/drawn_text.h"
#include "tests/support/page_image.h"
#include "tests/support/test_app.h"
#include "tests/support/toolkit_probes.h"
#include "ui/practice/answer_form_selector.h"
#include "ui/practice/frm_tarnivo.h"
#include "ui/practice/work_review.h"
#include "ui/signin/frm_sign_in.h"
#include "ui/startup.h"

namespace tarnivo::testing {
namespace {

const int SmallestPixels = 9;  // 7 points on the twip grid

std::vector<const tk::Control*> allControls(const tk::Container& container) {
    std::vector<const tk::Control*> found;
    for (const tk::Control* control : container.controls()) {
        found.push_back(control);
        if (const auto* inner = dynamic_cast<const tk::Container*>(control)) {
            const auto nested = allControls(*inner);
            found.insert(found.end(), nested.begin(), nested.end());
        }
    }
    return found;
}

void expectWhole(const tk::FittedText& drawn, const std::string& caption, const QFont& designed) {
    EXPECT_EQ(drawn.text.toStdString(), caption) << "drawn whole, not cut";
    EXPECT_LE(QFontMetricsF(drawn.font).horizontalAdvance(drawn.text), drawn.area.width()) << "inside its box";
    EXPECT_EQ(drawn.font.family(), designed.family()) << "in its own face";
    EXPECT_GE(drawn.font.pixelSize(), SmallestPixels) << "no smaller than 7 points";
    EXPECT_TRUE(everyCharacterHasAGlyph(drawn.text, drawn.font)) << "no empty boxes";
}

void expectButtonWhole(const tk::CommandButton& button) {
    const auto* push = qobject_cast<const QPushButton*>(widgetOf(button));
    ASSERT_NE(push, nullptr);
    const QFontMetrics metrics(push->font());
    const QStringList lines = push->text().split(QLatin1Char('\n'));
    EXPECT_EQ(lines.join(QLatin1Char(' ')).toStdString(), button.caption()) << "every word shown";
    for (QString line : lines) {
        EXPECT_LE(metrics.horizontalAdvance(line.remove(QLatin1Char('&'))), push->width() - 6) << line.toStdString();
        EXPECT_TRUE(everyCharacterHasAGlyph(line, push->font())) << "no empty boxes";
    }
    EXPECT_LE(metrics.lineSpacing() * lines.size(), push->height() - 6) << "every line inside the button";
    EXPECT_GE(push->font().pixelSize(), SmallestPixels) << "no smaller than 7 points";
}

// A caption that wraps: every line inside the box, and no word wider than it.
void expectWrappedWhole(const tk::FittedText& drawn, const std::string& caption) {
    EXPECT_EQ(drawn.text.toStdString(), caption) << "drawn whole, not cut";
    const QRect needed = QFontMetrics(drawn.font).boundingRect(drawn.area, Qt::TextWordWrap, drawn.text);
    EXPECT_LE(needed.width(), drawn.area.width()) << "no word wider than its box";
    EXPECT_LE(needed.height(), drawn.area.height()) << "every line inside its box";
    EXPECT_TRUE(everyCharacterHasAGlyph(drawn.text, drawn.font)) << "no empty boxes";
}

// Checks every caption of the window as it stands now, and that no two buttons share an access key.
void expectCaptionsWhole(const tk::Window& window) {
    std::map<QChar, std::string> accessKeys;
    for (const tk::Control* control : allControls(window)) {
        SCOPED_TRACE(control->fullName());
        if (const auto* label = dynamic_cast<const tk::Label*>(control)) {
            if (label->design().wordWrap && !label->caption().empty())
                expectWrappedWhole(tk::LabelProbe::drawnCaption(*label), label->caption());
            else if (!label->design().autoSize && !label->caption().empty())
                expectWhole(tk::LabelProbe::drawnCaption(*label), label->caption(), tk::toQFont(label->design().font));
        } else if (const auto* frame = dynamic_cast<const tk::Frame*>(control)) {
            if (!frame->design().borderless && !frame->caption().empty())
                expectWhole(tk::FrameProbe::drawnCaption(*frame), frame->caption(), tk::toQFont(tk::FontStyle{}));
        } else if (const auto* button = dynamic_cast<const tk::CommandButton*>(control)) {
            expectButtonWhole(*button);
            const QString caption = tk::toQString(button->caption());
            const qsizetype mark = caption.indexOf(QLatin1Char('&'));
            if (mark < 0 || mark + 1 >= caption.size()) continue;
            const QChar key = caption[mark + 1].toLower();
            EXPECT_TRUE(accessKeys.emplace(key, button->fullName()).second)
                << "Alt+" << QString(key).toStdString() << " is also " << accessKeys[key];
        }
    }
}

struct Language {
    const char* code;  // "" for English, the program's own
    const char* practiceTitle;
    const char* signInCaption;
};

void PrintTo(const Language& language, std::ostream* out) { *out << (*language.code != 0 ? language.code : "en"); }

class InEachLanguage : public ::testing::TestWithParam<Language> {
protected:
    void SetUp() override {
        ensureApplication();
        tk::Languages::use(GetParam().code);
    }
    void TearDown() override {
        EXPECT_TRUE(reportedErrors().empty()) << reportedErrors().front();
        resetProgram();
        tk::Languages::use({});
    }
};

TEST_P(InEachLanguage, BothWindowsShowEveryCaptionWholeWithTheirOwnAccessKeys) {
    const Language& language = GetParam();
    const std::string shots = std::string("language-") + (*language.code != 0 ? language.code : "en");
    showStartupWindow();
    auto& signIn = tk::Forms::get<frmSignIn>();
    auto& practice = tk::Forms::get<frmTarnivo>();
    settle();
    EXPECT_EQ(practice.caption(), language.practiceTitle) << "the window title is translated";
    EXPECT_EQ(signIn.Label1.caption(), language.signInCaption) << "the captions are translated";
    {
        SCOPED_TRACE("sign-in window");
        expectCaptionsWhole(signIn);
    }
    grabWindow(signIn, shots + "-sign-in");

    signIn.txtPeriod.setText(std::string(frmSignIn::PeriodBypassCode));
    signIn.cmdOk.press();
    settle();
    practice.cmdStart.press();
    settle();
    {
        SCOPED_TRACE("a problem");
        expectCaptionsWhole(practice);
    }
    grabWindow(practice, shots + "-problem");

    // The problem is read as one sentence of the language with its four numbers in order.
    const std::string phrase = practice.fraProb.phrase();
    const std::array<std::string, 4> terms{practice.lblProb[0].caption(), practice.lblProb[1].caption(),
                                           practice.lblProb[2].caption(), practice.lblProb[3].caption()};
    EXPECT_EQ(phrase.find('%'), std::string::npos) << phrase;
    std::size_t from = 0;
    for (const std::string& term : terms) {
        from = phrase.find(term, from);
        ASSERT_NE(from, std::string::npos) << term << " in order in " << phrase;
        from += term.size();
    }
    if (*language.code == 0) {
        EXPECT_EQ(phrase, terms[0] + " root " + terms[1] + " over " + terms[2] + " root " + terms[3]);
    }

    // The note under the answer boxes, in every sentence it can read (one bit a wrong part
    // the shape leaves out), fits its box in every language.
    practice.Label5.setVisible(true);
    practice.lblHiddenPart.setVisible(true);
    for (unsigned parts = 1; parts < 8; ++parts) {
        std::array<bool, 3> verdicts{};
        for (std::size_t box = 0; box < 3; ++box) verdicts[box] = ((parts >> box) & 1U) == 0;
        const std::string note = AnswerFormSelector::leftOutPartsText(verdicts, {});
        SCOPED_TRACE(note);
        if (*language.code != 0) {
            EXPECT_NE(note.rfind("the answer", 0), 0U) << "the note is translated";
        }
        practice.lblHiddenPart.setCaption(note);
        expectCaptionsWhole(practice);
    }
    grabWindow(practice, shots + "-wrong-shape");

    practice.shutdown();
    settle();
    {
        SCOPED_TRACE("the end of the set");
        expectCaptionsWhole(practice);
    }
    grabWindow(practice, shots + "-end-of-set");
    // The narrow print button holds one word at 7.5 points or more (one pixel under the other
    // buttons), not a phrase shrunk to the 7-point floor.
    const auto* print = qobject_cast<const QPushButton*>(widgetOf(practice.cmdPrintIt));
    ASSERT_NE(print, nullptr);
    EXPECT_GE(print->font().pixelSize(), tk::toQFont(practice.cmdPrintIt.design().font).pixelSize() - 1)
        << practice.cmdPrintIt.caption() << " readable";
}

// The messages built around a name or a reason keep every placeholder, and quote as the
// language quotes: no straight quotes outside English, no-break spaces in French.
TEST_P(InEachLanguage, MessagesKeepTheirPlaceholdersAndTheLanguagesQuotes) {
    const bool english = *GetParam().code == 0;
    const std::pair<const char*, const char*> messages[] = {
        {"Print", "The printer \"%1\" could not start the print."},
        {"Print", "The printer \"%1\" did not take the print: %2."},
        {"Print", "The PDF file \"%1\" could not be written: %2."},
        {"Errors", "Tarnivo: %1"},
        {"Errors", "%1: %2"},
        {"frmTarnivo", "%1 root %2 over %3"},
        {"frmTarnivo", "%1 root %2 over %3 root %4"},
    };
    for (const auto& [context, source] : messages) {
        const QString text = QCoreApplication::translate(context, source);
        SCOPED_TRACE(text.toStdString());
        const bool words = QString::fromUtf8(source).contains(QLatin1Char(' '));
        if (!english && words && std::string(context) != "Errors") {
            EXPECT_NE(text, QString::fromUtf8(source)) << "translated";
        }
        for (const char* mark : {"%1", "%2", "%3", "%4"}) {
            EXPECT_EQ(text.count(QLatin1String(mark)), QString::fromUtf8(source).count(QLatin1String(mark))) << mark;
        }
        if (!english) {
            EXPECT_FALSE(text.contains(QLatin1Char('"'))) << "the language's own quotation marks";
        }
        if (std::string(GetParam().code) == "fr") {
            EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("« | [:;»]")))) << "no-break spaces";
        }
    }
}

// A key whose three parts are all needed, so that every part a shape leaves out is named.
DrillProblem reviewProblem() {
    DrillProblem problem;
    problem.termTexts = {"60", "25", "225", "20"};
    problem.keyTexts = {"2", "5", "3"};
    return problem;
}

// Twenty problems: the first six answered once in each shape that leaves out parts, the
// next four with enough wrong answers to end in each plural of "and %n more".
WorkRecord reviewedWork() {
    WorkRecord work;
    const std::array<bool, 3> right{true, true, true};
    const int extraWrong[] = {1, 2, 5, 22};
    for (int problem = 1; problem <= 20; ++problem) {
        work.startProblem(reviewProblem());
        if (problem <= 6) {
            std::array<std::string, 3> boxes{"2", "5", "3"};
            std::array<bool, 3> verdicts{true, true, true};
            for (std::size_t box = 0; box < 3; ++box) {
                if (AnswerFormSelector::showsBox(problem, box)) continue;
                boxes[box].clear();
                verdicts[box] = false;
            }
            work.recordSubmission(problem, boxes, verdicts);
        } else if (problem <= 10) {
            const int wrongAnswers = static_cast<int>(WorkRecord::KeptWrongAnswers) + extraWrong[problem - 7];
            for (int i = 0; i < wrongAnswers; ++i) work.recordSubmission(0, {"8", "9", "3"}, {false, true, true});
        }
        work.recordSubmission(0, {"2", "5", "3"}, right);
    }
    return work;
}

std::string spanText(const tk::TextSpan& span) {
    std::string text;
    for (const tk::TextRun& run : span) text += run.text;
    return text;
}

QString withoutSpaces(QString text) { return text.remove(QRegularExpression(QStringLiteral("\\s"))); }

TEST_P(InEachLanguage, ThePrintedReviewSpeaksTheLanguageAndFitsOneSheet) {
    const Language& language = GetParam();
    const bool english = *language.code == 0;
    showStartupWindow();
    auto& signIn = tk::Forms::get<frmSignIn>();
    auto& practice = tk::Forms::get<frmTarnivo>();
    signIn.txtPeriod.setText(std::string(frmSignIn::PeriodBypassCode));
    signIn.cmdOk.press();
    settle();
    practice.shutdown();
    settle();

    const ReviewHeading heading{"3", "2024123456789", "Lovelace, Ada", "Mr Jones", "12/08/2026", "20", "48", "42%"};
    const tk::PageText review = workReview(heading, reviewedWork());
    ASSERT_EQ(review.tableHeader.size(), 5U);
    ASSERT_EQ(review.tableRows.size(), 20U);
    const std::string answerHeading = spanText(review.tableHeader[2]);
    if (english) {
        EXPECT_EQ(answerHeading, "Answer");
    } else {
        EXPECT_EQ(answerHeading, practice.fraKey.caption()) << "the key's own word, not the student's answer";
        const char* const englishHeadings[] = {"No.", "Problem", "Answer", "Submitted",
                                               "Wrong answers (\u2717 marks a wrong part)"};
        for (std::size_t column = 0; column < 5; ++column) {
            EXPECT_NE(spanText(review.tableHeader[column]), englishHeadings[column]) << "the heading is translated";
        }
    }
    EXPECT_NE(spanText(review.tableHeader[4]).find("\u2717"), std::string::npos) << "the heading keeps the sign";

    // Each set of parts a shape leaves out is one marked sentence that names exactly those parts.
    const char* const partNames[] = {"A", "\u221AB", "C"};
    for (int shape = 1; shape <= 6; ++shape) {
        const tk::TextSpan& wrong = review.tableRows[static_cast<std::size_t>(shape) - 1][4];
        SCOPED_TRACE("shape " + std::to_string(shape) + ": " + spanText(wrong));
        ASSERT_GE(wrong.size(), 3U);
        const tk::TextRun& leftOut = wrong[wrong.size() - 2];
        EXPECT_TRUE(leftOut.marked);
        EXPECT_EQ(wrong.back().text, ")");
        EXPECT_EQ(leftOut.text.rfind("\u2717"), leftOut.text.size() - 3) << "ends in the sign";
        std::string named;
        for (std::size_t box = 0; box < 3; ++box) {
            const bool hidden = !AnswerFormSelector::showsBox(shape, box);
            // "C" can stand inside a word of the sentence; A and √B cannot.
            if (box != 2 || hidden) {
                EXPECT_EQ(leftOut.text.find(partNames[box]) != std::string::npos, hidden) << partNames[box];
            }
            if (hidden) named += named.empty() ? partNames[box] : std::string(", ") + partNames[box];
        }
        if (english) {
            EXPECT_EQ(leftOut.text, named + " left out\u2717");
        } else {
            EXPECT_EQ(leftOut.text.find("left out"), std::string::npos) << "the sentence is translated";
        }
    }
    const int extraWrong[] = {1, 2, 5, 22};
    for (std::size_t row = 6; row < 10; ++row) {
        const std::string cell = spanText(review.tableRows[row][4]);
        EXPECT_NE(cell.find(std::to_string(extraWrong[row - 6])), std::string::npos) << cell;
        EXPECT_EQ(cell.find('%'), std::string::npos) << cell;
        if (!english) {
            EXPECT_EQ(cell.find("more"), std::string::npos) << cell;
        }
    }

    // The window and the review on one sheet of paper, every heading legible in the PDF.
    if (!tarnivo::testing::canRenderPdf()) GTEST_SKIP() << "pdftoppm is not installed";
    const std::string name = std::string("language-") + (english ? "en" : language.code) + "-print";
    const QString folder = QStringLiteral(TARNIVO_BUILD_DIR "/screens");
    QDir().mkpath(folder);
    const QString pdf = folder + QLatin1Char('/') + QString::fromStdString(name) + QStringLiteral(".pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        ASSERT_TRUE(tk::renderPage(tk::windowImage(practice), printer, review));
    }
    tarnivo::testing::renderPdfPage(pdf, 100).save(folder + QLatin1Char('/') + QString::fromStdString(name) +
                                                   QStringLiteral(".png"));
    EXPECT_EQ(tarnivo::testing::pdfPageCount(pdf), 1) << "the screen and the review on one sheet";
    EXPECT_GE(tarnivo::testing::smallestWordHeight(pdf), 8.0) << "no text smaller than 8 points";
    const QString printed = withoutSpaces(tarnivo::testing::pdfTextLines(pdf).join(QString()));
    for (const tk::TextSpan& cell : review.tableHeader) {
        EXPECT_TRUE(printed.contains(withoutSpaces(tk::toQString(spanText(cell))))) << spanText(cell);
    }
    const tk::TextSpan& leftOut = review.tableRows[4][4];
    EXPECT_TRUE(printed.contains(withoutSpaces(tk::toQString(leftOut[leftOut.size() - 2].text))))
        << leftOut[leftOut.size() - 2].text;
}

INSTANTIATE_TEST_SUITE_P(
    Translations, InEachLanguage,
    ::testing::Values(Language{"", "Tarnivo Practice", "Period"}, Language{"de", "Tarnivo – Übung", "Stunde"},
                      Language{"fr", "Tarnivo – Entraînement", "Heure de cours"},
                      Language{"es", "Tarnivo – Práctica", "Hora de clase"},
                      Language{"pt_BR", "Tarnivo – Prática", "Aula"},
                      Language{"it", "Tarnivo – Esercitazione", "Ora di lezione"},
                      Language{"nl", "Tarnivo – Oefenen", "Lesuur"}, Language{"pl", "Tarnivo – ćwiczenia", "Lekcja"},
                      Language{"uk", "Tarnivo – вправи", "Урок"}, Language{"tr", "Tarnivo – Alıştırma", "Ders saati"}),
    [](const ::testing::TestParamInfo<Language>& info) {
        return *info.param.code != 0 ? std::string(info.param.code) : std::string("en");
    });

// The language comes from the locale variables as every program of the desktop reads them.
TEST(LanguageChoice, FollowsLanguageThenTheMessagesLocaleAndStopsAtEnglish) {
    struct Case {
        const char* language;  // LANGUAGE, LC_ALL, LC_MESSAGES, LANG; nullptr for unset
        const char* all;
        const char* messages;
        const char* lang;
        const char* chosen;
    };
    const Case cases[] = {
        {nullptr, nullptr, nullptr, "de_DE.UTF-8", "de"},
        {nullptr, nullptr, nullptr, "de_AT.UTF-8@euro", "de"},
        {nullptr, nullptr, nullptr, "pt_BR.UTF-8", "pt_BR"},
        {nullptr, nullptr, nullptr, "pt_PT.UTF-8", ""},
        {nullptr, nullptr, "es_MX.UTF-8", "de_DE.UTF-8", "es"},
        {nullptr, "fr_CA.UTF-8", "es_ES.UTF-8", "de_DE.UTF-8", "fr"},
        {"fr:de", nullptr, nullptr, "de_DE.UTF-8", "fr"},
        {"ja:pt_BR", nullptr, nullptr, "ja_JP.UTF-8", "pt_BR"},
        {nullptr, nullptr, nullptr, "it_IT.UTF-8", "it"},
        {nullptr, nullptr, nullptr, "nl_BE.UTF-8", "nl"},
        {nullptr, nullptr, "pl_PL.UTF-8", "en_US.UTF-8", "pl"},
        {"uk", nullptr, nullptr, "uk_UA.UTF-8", "uk"},
        {nullptr, nullptr, nullptr, "tr_TR.UTF-8", "tr"},
        {"en_GB:de", nullptr, nullptr, "de_DE.UTF-8", ""},
        {"de", nullptr, nullptr, "C.UTF-8", ""},
        {"de", "POSIX", nullptr, "de_DE.UTF-8", ""},
        {nullptr, nullptr, nullptr, "en_US.UTF-8", ""},
        {nullptr, nullptr, nullptr, nullptr, ""},
    };
    const char* const names[] = {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"};
    std::map<std::string, QByteArray> saved;
    for (const char* name : names) {
        if (qEnvironmentVariableIsSet(name)) saved[name] = qgetenv(name);
    }
    for (const Case& c : cases) {
        const char* const values[] = {c.language, c.all, c.messages, c.lang};
        std::string shown;
        for (std::size_t i = 0; i < 4; ++i) {
            if (values[i] != nullptr) {
                qputenv(names[i], values[i]);
                shown += std::string(names[i]) + "=" + values[i] + " ";
            } else {
                qunsetenv(names[i]);
            }
        }
        EXPECT_EQ(tk::Languages::chosen().toStdString(), c.chosen) << shown;
    }
    for (const char* name : names) {
        if (saved.count(name) != 0) {
            qputenv(name, saved[name]);
        } else {
            qunsetenv(name);
        }
    }
}

}  // namespace
}  // namespace tarnivo::testing
