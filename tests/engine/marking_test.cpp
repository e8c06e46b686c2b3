// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/marking.h"
#include "engine/score.h"

using namespace tarnivo;

namespace {
const std::array<std::string, 3> workedKey{"2", "6", "3"};
// 2√5/15, the answer of the report: pasted or committed by an input method with something invisible.
const std::array<std::string, 3> reportedKey{"2", "5", "15"};
}  // namespace

TEST(Marking, BoxesAreComparedExactlyAfterTrimmingBlanks) {
    struct Case {
        const char* name;
        std::array<std::string, 3> boxes;
        std::array<bool, 3> verdicts;
        std::array<std::string, 3> key = workedKey;
    };
    const std::string megabyteOfDigits(1 << 20, '7');
    const Case cases[] = {
        {"as the key", {"2", "6", "3"}, {true, true, true}},
        {"blanks around", {"2 ", " 6 ", "   3"}, {true, true, true}},
        {"leading zero", {"02", "6", "3"}, {false, true, true}},
        {"empty", {"", "", ""}, {false, false, false}},
        {"only blanks", {" ", "  ", ""}, {false, false, false}},
        {"signs and fractions", {"+2", "6.0", "-3"}, {false, false, false}},
        {"letters", {"two", "6a", "x3"}, {false, false, false}},
        {"inner blank", {"2", "6 6", "3"}, {true, false, true}},
        {"tab and newline around", {"2\t", "\n6", "3"}, {true, true, true}},
        {"no-break space", {"2", "\u00a06", "3"}, {true, true, true}},
        {"full-width digit", {"\uff12", "6", "3"}, {false, true, true}},
        {"control characters around", {std::string("2\0", 2), "\x1b", "3\x7f"}, {true, false, true}},
        // The report's cases: 15 pasted with its newline, after a no-break space, with the
        // ideographic space of an input method, with a tab, after a zero-width space.
        {"pasted with its newline", {"2", "5", "15\n"}, {true, true, true}, reportedKey},
        {"pasted with a Windows line end", {"2\r\n", "5", "15\r\n"}, {true, true, true}, reportedKey},
        {"no-break space after", {"2", "5", "15\u00a0"}, {true, true, true}, reportedKey},
        {"ideographic space after", {"2\u3000", "5\u3000", "15\u3000"}, {true, true, true}, reportedKey},
        {"tab after", {"2", "5", "15\t"}, {true, true, true}, reportedKey},
        {"zero-width space before", {"2", "5", "\u200b15"}, {true, true, true}, reportedKey},
        {"byte order mark and direction marks",
         {"\ufeff2", "\u200e5\u200f", "\u206615\u2069"},
         {true, true, true},
         reportedKey},
        {"other spaces and separators",
         {"\u20022\u2009", "\u202f5\u2028", "\u205f15\u2029\u0085"},
         {true, true, true},
         reportedKey},
        {"a run of them on both sides",
         {"\u200b \u3000\t2\n\u00a0", "\u2060\u00ad5\r", "\v\f15\u3000 \u200b"},
         {true, true, true},
         reportedKey},
        {"still wrong: leading zero, sign, fraction", {"02", "+5", "15.0"}, {false, false, false}, reportedKey},
        {"still wrong: inner space", {"2", "5", "1 5"}, {true, true, false}, reportedKey},
        {"still wrong: inner invisible characters", {"2", "5", "1\u30005"}, {true, true, false}, reportedKey},
        {"still wrong: inner zero-width space", {"2", "5", "1\u200b5"}, {true, true, false}, reportedKey},
        {"only invisible characters", {"\u3000", "\u200b", "\n\t"}, {false, false, false}, reportedKey},
        {"a visible character is kept", {"2\u00b7", "\u30fb5", "15\u2026"}, {false, false, false}, reportedKey},
        {"broken UTF-8 is not cut",
         {"2\xe3\x80",
          "\x80"
          "5",
          "15\xff"},
         {false, false, false},
         reportedKey},
        {"an ideographic space after a broken byte",
         {"2", "5", "15\xc0\xe3\x80\x80"},
         {true, true, false},
         reportedKey},
        {"a megabyte of digits", {megabyteOfDigits, "6", "3"}, {false, true, true}},
        {"a megabyte of blanks around",
         {std::string(1 << 20, ' ') + "2", "6", "3" + std::string(1 << 20, ' ')},
         {true, true, true}},
    };
    for (const Case& c : cases) EXPECT_EQ(MarkAnswer(c.boxes, c.key), c.verdicts) << c.name;
}

TEST(Marking, GradeIsTheWholePercentWithSignPosition) {
    struct Case {
        double right;
        double total;
        const char* grade;
    };
    const Case cases[] = {
        {2, 3, " 66%"}, {1, 1, " 100%"}, {20, 27, " 74%"},  {0, 0, "0%"},      {1, 2, " 50%"},
        {0, 5, " 0%"},  {1, 3, " 33%"},  {57, 100, " 57%"}, {20, 20, " 100%"}, {40000, 40001, " 99%"},
    };
    for (const Case& c : cases) EXPECT_EQ(GradeText(c.right, c.total), c.grade) << c.right << " of " << c.total;
}

TEST(Marking, SetIsCompleteFromTheLimitOn) {
    struct Case {
        const char* counter;
        bool complete;
    };
    const Case cases[] = {
        {"20", true}, {"19", false},  {" 20", true},   {"21", true},    {"1", false},
        {"", false},  {"abc", false}, {"20abc", true}, {"19.5", false}, {"-20", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSetComplete(c.counter, ProblemLimit), c.complete) << '"' << c.counter << '"';
    EXPECT_TRUE(IsSetComplete("3", 3));
}

TEST(Marking, WhatWasMarkedIsShownWithItsInnerInvisibleCharactersVisible) {
    struct Case {
        const char* box;
        const char* shown;
    };
    const Case cases[] = {
        {"15\n", "15"},
        {"\u200b15", "15"},
        {"\u300015\u3000", "15"},
        {"1 5", "1 5"},
        {"1\u200b5", "1\u24235"},
        {"1\t5\n", "1\u24235"},
        {"1\u30005", "1\u24235"},
        {"\uff11\uff15", "\uff11\uff15"},
        {"", ""},
        {"\n\u200b\u00a0", ""},
        {"15\xff", "15\xff"},
    };
    for (const Case& c : cases) EXPECT_EQ(VisibleText(MarkedText(c.box)), c.shown) << '"' << c.box << '"';
}
