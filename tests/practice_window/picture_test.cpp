// SPDX-License-Identifier: MIT
// What the window looks like, checked on grabbed images: the radical pictures never hide
// a digit or a fraction bar, digits stand under the overbars, and the shape options stand
// over the formula column, each level with its formula.
#include <QImage>

#include "app/toolkit/qt_bridge.h"
#include "tests/practice_window/practice_fixture.h"

namespace practice_test {
namespace {

using tarnivo::testing::grabWindow;

const std::vector<int> KeyWithoutOne{1, 1, 0, 0, 1, 0, 0, 0, 1, 1, 0, 0};  // 3√6 / 5
const std::vector<int> KeyRootBOverC{0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0};  // √2 / 3

bool dark(QRgb pixel) { return qGray(pixel) < 96; }

class Pictures : public PracticeWindow {
protected:
    // A painted control's rectangle in the window's client area.
    [[nodiscard]] QRect onWindow(const tk::Control& control) const {
        const QWidget* surface = control.container()->surface();
        const QRect box = tk::toQRect(control.left(), control.top(), control.width(), control.height());
        return box.translated(surface->mapTo(widgetOf(*form), QPoint(0, 0)));
    }
    [[nodiscard]] QRect lineOnWindow(const tk::Line& line) const {
        const QWidget* surface = line.container()->surface();
        // The rows the three-pixel pen covers along the whole length of the bar.
        const QRect box(QPoint(tk::toPixels(line.x1()), tk::toPixels(line.y1())),
                        QPoint(tk::toPixels(line.x2()) - 1, tk::toPixels(line.y2())));
        return box.translated(surface->mapTo(widgetOf(*form), QPoint(0, 0)));
    }
    [[nodiscard]] QRect widgetOnWindow(const tk::Control& control) const {
        const QWidget* widget = widgetOf(control);
        return QRect(widget->mapTo(widgetOf(*form), QPoint(0, 0)), widget->size());
    }
    void showRadicals(bool shown) {
        for (tk::Picture* radical : {&form->Image1, &form->Image2, &form->Image3, &form->imgRadical})
            radical->setVisible(shown);
        settle();
    }

    // Digits and bars look the same with and without the radical pictures behind them.
    void expectNothingCovered(const std::string& when) {
        SCOPED_TRACE(when);
        const QImage with = grabWindow(*form, "radicals-" + when);
        showRadicals(false);
        const QImage without = grabWindow(*form, "radicals-hidden-" + when);
        showRadicals(true);
        std::vector<QRect> kept;
        for (const tk::Label& digit : form->lblProb) kept.push_back(onWindow(digit));
        for (const tk::Line* bar : {&form->Line1, &form->Line2, &form->lneViniculum})
            kept.push_back(lineOnWindow(*bar));
        for (const QRect& area : kept) {
            for (int y = area.top(); y <= area.bottom(); ++y)
                for (int x = area.left(); x <= area.right(); ++x)
                    ASSERT_EQ(with.pixel(x, y), without.pixel(x, y)) << "at " << x << "," << y;
        }
        // The pictures are there at all: they change the image outside those areas.
        int changed = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x) changed += with.pixel(x, y) != without.pixel(x, y) ? 1 : 0;
        EXPECT_GT(changed, 400);
    }

    // Above the middle of each radicand, inside its radical picture, runs the overbar.
    void expectRadicandsUnderOverbars(const QImage& image) {
        const std::vector<std::pair<const tk::Label*, const tk::Picture*>> pairs{
            {&form->lblProb[1], &form->Image2}, {&form->lblProb[3], &form->Image3}, {&form->lblProb[5], &form->Image1}};
        for (const auto& [digit, radical] : pairs) {
            const QRect label = onWindow(*digit);
            const QRect sign = onWindow(*radical);
            bool overbar = false;
            for (int y = sign.top(); y < label.top(); ++y)
                overbar = overbar || dark(image.pixel(label.center().x(), y));
            EXPECT_TRUE(overbar) << digit->fullName() << " has no overbar above it";
            EXPECT_GE(label.top(), sign.top() + sign.height() / 7) << digit->fullName();
        }
    }
};

TEST_F(Pictures, RadicalPicturesNeverCoverDigitsOrBars) {
    expectNothingCovered("loaded");
    expectRadicandsUnderOverbars(grabWindow(*form, "practice-loaded"));
    click(form->cmdStart);  // the first problem has three-digit numbers
    expectNothingCovered("problem");
    expectRadicandsUnderOverbars(grabWindow(*form, "problem"));
    chooseForm(1);
    expectNothingCovered("shape1");
}

TEST_F(Pictures, ShapeOptionsStandOverTheFormulaColumn) {
    const QImage image = grabWindow(*form, "options");
    const QRect formulas = onWindow(form->Image4);
    for (const tk::OptionButton& option : form->optAnswerForm) {
        SCOPED_TRACE(option.fullName());
        // Whatever the option draws of itself is on top in the window's image.
        const QImage own = widgetOf(option)->grab().toImage();
        const QRect at = widgetOnWindow(option);
        const QRgb background = own.pixel(0, 0);
        int drawn = 0;
        for (int y = 0; y < own.height(); ++y)
            for (int x = 0; x < own.width(); ++x) {
                if (own.pixel(x, y) == background) continue;
                ++drawn;
                EXPECT_EQ(image.pixel(at.left() + x, at.top() + y), own.pixel(x, y)) << "at " << x << "," << y;
            }
        EXPECT_GT(drawn, 20);
        // Its formula is level with it, to its right.
        bool formula = false;
        for (int y = at.center().y() - 3; y <= at.center().y() + 3; ++y)
            for (int x = std::max(formulas.left(), at.right() + 1); x <= formulas.right(); ++x)
                formula = formula || dark(image.pixel(x, y));
        EXPECT_TRUE(formula);
    }
}

TEST_F(Pictures, ScreensOfAProblemInProgress) {
    fillStudentData();
    useDraws(KeyRootBOverC);
    click(form->cmdStart);
    chooseForm(1);
    typeInto(1, "2");
    typeInto(2, "3");
    const QImage shapeOne = grabWindow(*form, "practice-form1");
    // The radicand box closes up under the moved sign.
    const QRect box = widgetOnWindow(form->txtAnswer[1]);
    const QRect sign = onWindow(form->imgRadical);
    EXPECT_GT(box.left(), sign.left() + sign.width() / 5);
    EXPECT_LT(box.left(), sign.left() + sign.width() / 2);
    expectNothingCovered("form1");
    EXPECT_FALSE(shapeOne.isNull());

    reopen();
    fillStudentData();
    useDraws(KeyWithoutOne);
    click(form->cmdStart);
    typeInto(0, "3");
    typeInto(1, "7");
    typeInto(2, "5");
    click(form->cmdSubmit);
    const QImage marked = grabWindow(*form, "practice-marked");
    const auto colourAt = [&](int box) {
        const QRect area = widgetOnWindow(form->txtAnswer[static_cast<std::size_t>(box)]);
        return QColor(marked.pixel(area.left() + 4, area.top() + area.height() / 2));
    };
    EXPECT_EQ(colourAt(0), QColor(0, 255, 0));
    EXPECT_EQ(colourAt(1), QColor(255, 0, 0));
    EXPECT_EQ(colourAt(2), QColor(0, 255, 0));
}

}  // namespace
}  // namespace practice_test
