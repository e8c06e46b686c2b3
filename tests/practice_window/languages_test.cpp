// SPDX-License-Identifier: MIT
// Both windows in every language the program speaks: each caption translated, drawn whole in
// its box, and each window's access keys told apart.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPushButton>
#include <QStringList>
#include <array>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "app/toolkit/command_button.h"
#include "app/toolkit/forms.h"
#include "app/toolkit/frame.h"
#include "app/toolkit/label.h"
#include "app/toolkit/languages.h"
#include "app/toolkit/qt_bridge.h"
#include "tests/support/drawn_text.h"
#include "tests/support/test_app.h"
#include "tests/support/toolkit_probes.h"
#include "ui/practice/answer_form_selector.h"
#include "ui/practice/frm_tarnivo.h"
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
                expectWhole(tk::FrameProbe::drawnCaption(*frame), frame->caption(), tk::toQFont(tk::FontSpec{}));
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
}

INSTANTIATE_TEST_SUITE_P(Translations, InEachLanguage,
                         ::testing::Values(Language{"", "Tarnivo Practice", "Period"},
                                           Language{"de", "Tarnivo – Übung", "Stunde"},
                                           Language{"fr", "Tarnivo – Entraînement", "Heure de cours"},
                                           Language{"es", "Tarnivo – Práctica", "Hora de clase"},
                                           Language{"pt_BR", "Tarnivo – Prática", "Aula"}),
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
        {"it:pt_BR", nullptr, nullptr, "it_IT.UTF-8", "pt_BR"},
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
