// SPDX-License-Identifier: MIT
// The loaded practice window as it is drawn: where its controls stand, what they read,
// its ready state, its borders at every scale and its captions whole.
#include <QApplication>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QImage>
#include <QPushButton>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <tuple>

#include "app/toolkit/print.h"
#include "app/toolkit/qt_bridge.h"
#include "tests/practice_window/practice_fixture.h"
#include "tests/support/drawn_text.h"
#include "tests/support/page_image.h"
#include "tests/support/toolkit_probes.h"

namespace practice_test {
namespace {

// Where a handful of controls are drawn, in pixels from the window's client corner, and
// what they read there: one of each kind, in each container.
TEST_F(PracticeWindow, ControlsAreDrawnWhereTheyAreDesigned) {
    for (const auto& [control, pixels, text] : {
             std::tuple<const tk::Control*, QRect, const char*>{&form->cmdStart, {481, 137, 81, 33}, "Start"},
             {&form->cmdNew, {366, 248, 81, 33}, "&Next"},
             {&form->fraKey, {213, 29, 163, 115}, ""},
             {&form->txtAnswer[1], {27 + 239, 151 + 92, 71, 36}, ""},
             {&form->optAnswerForm[6], {27 + 3 + 9, 151 + 17 + 256, 16, 21}, ""},
         }) {
        EXPECT_EQ(tarnivo::testing::drawnWidget(*control), (tarnivo::testing::DrawnWidget{pixels, text}))
            << control->fullName();
        EXPECT_TRUE(widgetOf(*control)->isVisible()) << control->fullName();
    }
    EXPECT_EQ(tk::FrameProbe::drawnCaption(form->fraKey).text.toStdString(), "Key");

    // Painted controls: a caption's ink stands inside its box, a border or a line is the box.
    const QImage grab = widgetOf(*form)->grab().toImage();
    for (const auto& [what, area, box, exact] : {
             std::tuple{"Current Problem", QRect(405, 0, 110, 26), QRect(414, 8, 90, 17), false},
             std::tuple{"border of Right", QRect(455, 203, 80, 34), QRect(462, 203, 64, 32), true},
             std::tuple{"fraction bar of the problem", QRect(20, 86, 160, 6), QRect(28, 88, 139, 3), true},
         }) {
        const QRect ink = tarnivo::testing::darkInkIn(grab, area);
        EXPECT_TRUE(exact ? ink == box : !ink.isEmpty() && box.contains(ink))
            << what << " drawn at " << ink.x() << ", " << ink.y() << ", " << ink.width() << " x " << ink.height();
    }
    EXPECT_EQ(tk::LabelProbe::drawnCaption(form->Label4).text.toStdString(), "Current Problem");
}

TEST_F(PracticeWindow, LoadsIntoTheReadyState) {
    EXPECT_EQ(form->caption(), "Tarnivo Practice");
    EXPECT_EQ(form->design().icon, ":/assets/PracticeIcon.png");
    EXPECT_FALSE(form->design().borderless);
    EXPECT_TRUE(form->design().showInTaskbar);
    EXPECT_EQ(widgetOf(*form)->size(), QSize(612, 529));
    EXPECT_FALSE(widgetOf(*form)->windowIcon().isNull());
    EXPECT_EQ(form->backColor(), tk::colour::ButtonFace);

    const tarnivo::SavedLayout saved = tarnivo::PracticeWindowProbe::savedLayout(*form);
    EXPECT_EQ(saved, (tarnivo::SavedLayout{1830, 3585, 2745, 3015, 4710}));
    EXPECT_EQ(tarnivo::PracticeWindowProbe::problemLimit(*form), tarnivo::Integer(20));
    EXPECT_TRUE(tarnivo::PracticeWindowProbe::score(*form).RightCount().isEmpty());
    EXPECT_TRUE(tarnivo::PracticeWindowProbe::score(*form).TotalCount().isEmpty());

    EXPECT_EQ(form->selectedAnswerForm(), 0);
    int selected = 0;
    for (const tk::OptionButton& option : form->optAnswerForm) selected += option.value() ? 1 : 0;
    EXPECT_EQ(selected, 1);
    for (const tk::Frame* frame : {&form->fraProb, &form->fraKey, &form->fraAnswer, &form->fraStudentData})
        EXPECT_TRUE(frame->shownOnScreen()) << frame->name();
    EXPECT_EQ(focused(), &form->cmdStart);

    // Each shape option says in words which formula it stands beside, and shows them as its tip.
    const std::array<const char*, 7> words{"a root b over c", "root b over c", "a over c", "a root b", "a",
                                           "root b",          "1 over c"};
    for (std::size_t i = 0; i < words.size(); ++i) {
        QWidget* option = widgetOf(form->optAnswerForm[i]);
        EXPECT_EQ(option->accessibleName().toStdString(), words[i]);
        QHelpEvent hover(QEvent::ToolTip, QPoint(2, 2), option->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(option, &hover);
        EXPECT_EQ(QToolTip::text().toStdString(), words[i]);
    }
    QToolTip::hideText();
}

TEST_F(PracticeWindow, ScaledScreensDrawEveryLabelBorderWholeAndSingle) {
    QWidget* window = widgetOf(*form);
    for (const double scale : {1.0, 1.25, 1.5, 2.0}) {
        QImage shot(window->size() * scale, QImage::Format_RGB32);
        shot.setDevicePixelRatio(scale);
        window->render(&shot);
        if (scale == 1.5) shot.save(QStringLiteral(TARNIVO_BUILD_DIR "/screens/practice-150.png"));
        const int ring = std::max(1, static_cast<int>(std::lround(scale)));
        const auto device = [scale](int logical) { return static_cast<int>(std::floor(logical * scale + 0.5)); };
        for (const tk::Label* label :
             {&form->lblProbCount, &form->lblRight, &form->lblWrong, &form->lblPercent, &form->lblPeriod, &form->lblID,
              &form->lblDate, &form->lblName, &form->lblTeacher}) {
            SCOPED_TRACE(label->name() + " at " + std::to_string(scale));
            const QPoint origin = label->container()->surface()->mapTo(window, QPoint(0, 0));
            const QRect box =
                tk::toQRect(label->left(), label->top(), label->width(), label->height()).translated(origin);
            const int left = device(box.left());
            const int top = device(box.top());
            const int right = device(box.left() + box.width()) - 1;
            const int bottom = device(box.top() + box.height()) - 1;
            // Clear of a centred caption: a sixth across for the top and bottom, half down for the sides.
            const int across = left + (right - left) / 6;
            const int down = (top + bottom) / 2;
            const struct {
                const char* side;
                QPoint edge, inward;
            } sides[] = {{"top", {across, top}, {0, 1}},
                         {"bottom", {across, bottom}, {0, -1}},
                         {"left", {left, down}, {1, 0}},
                         {"right", {right, down}, {-1, 0}}};
            for (const auto& side : sides) {
                for (int step = 0; step < ring; ++step)
                    EXPECT_EQ(shot.pixelColor(side.edge + side.inward * step), QColor(Qt::black)) << side.side;
                EXPECT_NE(shot.pixelColor(side.edge + side.inward * ring), QColor(Qt::black))
                    << side.side << " border is drawn twice or too thick";
            }
        }
    }
}

TEST_F(PracticeWindow, EveryButtonCaptionIsReadableWhole) {
    for (const tk::CommandButton* button :
         {&form->cmdStart, &form->cmdPrintIt, &form->cmdExit, &form->cmdSubmit, &form->cmdNew}) {
        const auto* push = qobject_cast<const QPushButton*>(widgetOf(*button));
        ASSERT_NE(push, nullptr);
        const QFontMetrics metrics(push->font());
        const QStringList lines = push->text().split(QLatin1Char('\n'));
        EXPECT_EQ(lines.join(QLatin1Char(' ')).toStdString(), button->caption());
        for (QString line : lines)
            EXPECT_LE(metrics.horizontalAdvance(line.remove(QLatin1Char('&'))), push->width() - 6)
                << button->name() << ": " << line.toStdString();
        EXPECT_LE(metrics.lineSpacing() * lines.size(), push->height() - 6) << button->name();
    }
}

// Whatever the student typed, the band shows a value that cannot be taken for another:
// whole, in a smaller size of its face when it must, or from its start to a visible "…";
// and the print draws it as the screen does.
TEST_F(PracticeWindow, StudentBandShowsEachEntryWholeOrVisiblyEndedNeverCutAtTheStart) {
    struct Entry {
        tk::Label* label;
        const char* caption;
    };
    const Entry entries[] = {
        {&form->lblID, "202412345"},
        {&form->lblPeriod, "Per. 3B"},
        {&form->lblName, "Papadopoulos-Konstantinidou, Alexandra"},
        {&form->lblName, "Wolfeschlegelsteinhausenbergerdorff-Featherstonehaugh, Hubert Blaine Maximilian"},
        {&form->lblTeacher, "Mrs Featherstonehaugh"},
        {&form->lblDate, "Wednesday, 12 August 2026"},
        {&form->lblName, "王小明"},
        {&form->lblName, "さくら"},
        {&form->lblName, "김민준"},
        {&form->lblName, "محمد علي"},
        {&form->lblName, "Γιώργος Παπαδόπουλος"},
        {&form->lblName, "शर्मा, राहुल"},
        {&form->lblName, "সেন, অমর্ত্য"},
        {&form->lblName, "முருகன், கார்த்திக்"},
        {&form->lblName, "สมชาย ใจดี"},
        {&form->lblName, "כהן, נועה"},
        {&form->lblName, "Ñúñez, José"},
        {&form->lblName, "حداد, سارة Haddad, Sara"},
        {&form->lblName, "Nguye\u0302\u0303n, Lan"},  // marks stacked on the e, as some keyboards type them
        {&form->lblID, "1234"},
    };
    const QString ellipsis = QStringLiteral("\u2026");
    const auto text = [](QRgb pixel) { return qGray(pixel) < 110; };
    for (const Entry& entry : entries) {
        SCOPED_TRACE(entry.label->name() + ": " + entry.caption);
        entry.label->setCaption(entry.caption);
        settle();
        const QString caption = QString::fromUtf8(entry.caption);
        const QFont designed = tk::toQFont(entry.label->design().font);
        const tk::FittedText drawn = tk::LabelProbe::drawnCaption(*entry.label);

        EXPECT_EQ(drawn.font.family(), designed.family()) << "the same face";
        EXPECT_EQ(drawn.font.weight(), designed.weight());
        EXPECT_LE(drawn.font.pixelSize(), designed.pixelSize());
        EXPECT_GE(drawn.font.pixelSize(), 9) << "no smaller than 7 points";
        EXPECT_LE(QFontMetricsF(drawn.font).horizontalAdvance(drawn.text), drawn.area.width()) << "fits the label";
        if (QFontMetricsF(designed).horizontalAdvance(caption) <= drawn.area.width()) {
            EXPECT_EQ(drawn.font.pixelSize(), designed.pixelSize()) << "a caption that fits stays as designed";
        }
        if (drawn.text != caption) {
            ASSERT_TRUE(drawn.text.endsWith(ellipsis)) << "cut, but not visibly: " << drawn.text.toStdString();
            EXPECT_TRUE(caption.startsWith(drawn.text.chopped(1))) << "keeps its start";
            EXPECT_GT(drawn.text.size(), caption.size() / 3);
            EXPECT_EQ(drawn.font.pixelSize(), 9) << "cut only at the smallest size";
        }
        EXPECT_TRUE(tarnivo::testing::everyCharacterHasAGlyph(drawn.text, drawn.font)) << "no empty boxes";

        // On screen: text inside the label, clear of both sides, so no character is cut off.
        const QImage band = widgetOf(form->fraStudentData)->grab().toImage();
        const QRect box =
            tk::toQRect(entry.label->left(), entry.label->top(), entry.label->width(), entry.label->height());
        const QRect inside = box.adjusted(1, 1, -1, -1);
        EXPECT_GT(tarnivo::testing::countPixels(band, inside, text), 10) << "the caption is drawn";
        const QRect leftSide(inside.left(), inside.top(), 2, inside.height());
        const QRect rightSide(inside.right() - 1, inside.top(), 2, inside.height());
        EXPECT_EQ(tarnivo::testing::countPixels(band, leftSide, text), 0) << "cut at the start";
        EXPECT_EQ(tarnivo::testing::countPixels(band, rightSide, text), 0) << "cut at the end";
        const QRect topSide(inside.left() + 2, inside.top(), inside.width() - 4, 1);
        EXPECT_EQ(tarnivo::testing::countPixels(band, topSide, text), 0) << "cut at the top";

        // On paper: the same picture, also where the parts of a name run in different directions.
        const QImage paper = tk::windowImage(*form);
        const qreal scale = paper.devicePixelRatio();
        const QRect inWindow = inside.translated(widgetOf(form->fraStudentData)->pos());
        const QRect onPaper(inWindow.topLeft() * scale, inWindow.size() * scale);
        EXPECT_LT(tarnivo::testing::meanDifference(band.copy(inside), paper.copy(onPaper)), 20)
            << "printed otherwise than shown";
    }
    form->lblName.setCaption("Papadopoulos-Konstantinidou, Alexandra");
    form->lblID.setCaption("202412345");
    settle();
    tarnivo::testing::grabWindow(*form, "practice-long-entries");
}

TEST_F(PracticeWindow, TabFromStartSkipsWhatCannotBeUsed) {
    const std::vector<const tk::Control*> expected{&form->txtAnswer[0], &form->txtAnswer[1],     &form->txtAnswer[2],
                                                   &form->cmdExit,      &form->optAnswerForm[0], &form->cmdStart};
    ASSERT_EQ(focused(), &form->cmdStart);
    for (const tk::Control* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused(), next) << "expected " << next->fullName();
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(focused(), &form->optAnswerForm[0]);
}

TEST_F(PracticeWindow, BeforeStartOnlyStartAndExitAnswer) {
    QTest::keyClick(widgetOf(*form), Qt::Key_S, Qt::AltModifier);
    QTest::keyClick(widgetOf(*form), Qt::Key_N, Qt::AltModifier);
    click(form->cmdSubmit);
    click(form->cmdNew);
    settle(300);
    EXPECT_TRUE(tarnivo::PracticeWindowProbe::score(*form).TotalCount().isEmpty());
    EXPECT_EQ(form->lblProbCount.caption(), "0");
    EXPECT_EQ(form->lblProb[0].caption(), "0");
    EXPECT_TRUE(form->cmdStart.usable());
    EXPECT_TRUE(form->cmdExit.usable());
    EXPECT_FALSE(form->cmdPrintIt.shownOnScreen());
}

}  // namespace
}  // namespace practice_test
