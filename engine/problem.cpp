// SPDX-License-Identifier: MIT
#include "engine/problem.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include "engine/number_texts.h"

namespace tarnivo {

namespace {

constexpr int termCount = 4;
constexpr int primeCount = 3;

// Integer's constructor is out of line, so the steps' constants are made once, on
// first use rather than at start-up, so that they are ready whoever calls first.
struct Constants {
    Integer zero{};
    Integer one = 1;
    Integer two = 2;
    std::array<Integer, 3> exponents{0, 1, 2};
};

const Constants& constants() {
    static const Constants values;
    return values;
}

PrimeBaseTable makePrimeBases() {
    PrimeBaseTable bases;
    bases(1) = 2;
    bases(2) = 3;
    bases(3) = 5;
    return bases;
}

// Whole part of r·3, computed in double so that a draw just below 1 cannot round up
// to 3, and counted without branches, which random draws would keep mispredicting.
// A source straying outside [0, 1) is held to 0..2 as well: the 16-bit arithmetic
// downstream is sized for exactly those exponents.
const Integer& exponentFromDraw(float r, const Constants& c) {
    const double scaled = static_cast<double>(r) * 3.0;
    const auto wholePart = static_cast<std::size_t>(scaled >= 1.0) + static_cast<std::size_t>(scaled >= 2.0);
    return c.exponents[wholePart];
}

Integer raiseTo(const Integer& base, const Integer& exponent, const Constants& c) {
    const int times = exponent.value();
    if (times >= 0 && times <= 3) {
        // The drawn exponents are random, so a loop of that many passes would keep
        // mispredicting. Three passes that multiply by base or by 1 form the same
        // products in the same order and so overflow exactly where the loop would.
        const std::array<Integer, 2> factors = {c.one, base};
        Integer result = c.one;
        result = factors[times >= 1] * result;
        result = factors[times >= 2] * result;
        result = factors[times >= 3] * result;
        return result;
    }
    Integer result = c.one;
    for (int i = 1; i <= times; ++i) result = base * result;
    return result;
}

void fillTexts(DrillProblem& problem) {
    const NumberTexts& texts = NumberTexts::instance();
    for (int t = 1; t <= termCount; ++t)
        texts.copyPlain(problem.problemTerms(t), problem.termTexts[static_cast<std::size_t>(t - 1)]);
    const AnswerKey& key = problem.answerKey;
    texts.copyTrimmedSign(key.coefficient.value(), problem.keyTexts[0]);
    texts.copyTrimmedSign(key.radicand.value(), problem.keyTexts[1]);
    texts.copyTrimmedSign(key.denominator.value(), problem.keyTexts[2]);
}

void solveInto(const PrimeBaseTable& primeBases, DrillProblem& problem) {
    ComputeTerms(primeBases, problem.exponentGrid, problem.problemTerms);
    SimplifyExponents(problem.exponentGrid, problem.keyExponents);
    problem.answerKey = ComputeAnswerKey(primeBases, problem.keyExponents);
    fillTexts(problem);
}

}  // namespace

const PrimeBaseTable& PrimeBases() {
    static const PrimeBaseTable bases = makePrimeBases();
    return bases;
}

DrillProblem GenerateProblem(RandomSource& random) {
    DrillProblem problem;
    DrawExponents(random, problem.exponentGrid);
    solveInto(PrimeBases(), problem);
    return problem;
}

DrillProblem SolveExponents(const PrimeBaseTable& primeBases, const ExponentTable& exponentGrid) {
    DrillProblem problem;
    problem.exponentGrid = exponentGrid;
    solveInto(primeBases, problem);
    return problem;
}

void DrawExponents(RandomSource& random, ExponentTable& exponentGrid) {
    const Constants& c = constants();
    for (int t = 1; t <= termCount; ++t)
        for (int j = 1; j <= primeCount; ++j) exponentGrid(t, j) = exponentFromDraw(random.next(), c);
}

Integer RaiseTo(const Integer& base, const Integer& exponent) { return raiseTo(base, exponent, constants()); }

void ComputeTerms(const PrimeBaseTable& primeBases, const ExponentTable& exponentGrid, TermTable& problemTerms) {
    const Constants& c = constants();
    const std::array<Integer, primeCount> bases{primeBases(1), primeBases(2), primeBases(3)};
    for (int t = 1; t <= termCount; ++t) {
        Integer product = c.one;
        for (int j = 1; j <= primeCount; ++j)
            product = raiseTo(bases[static_cast<std::size_t>(j - 1)], exponentGrid(t, j), c) * product;
        problemTerms(t) = product.value();
    }
}

void SimplifyExponents(const ExponentTable& exponentGrid, ExponentTable& keyExponents) {
    const Integer& zero = constants().zero;
    const Integer& two = constants().two;
    for (int j = 1; j <= primeCount; ++j) {
        const Integer e1 = exponentGrid(1, j);
        const Integer e2 = exponentGrid(2, j);
        const Integer e3 = exponentGrid(3, j);
        const Integer e4 = exponentGrid(4, j);
        Integer& coefficient = keyExponents(1, j);
        Integer& radicand = keyExponents(2, j);
        Integer& denominator = keyExponents(3, j);

        // Pairs under the denominator's radical come out; an odd factor left there is
        // cleared by multiplying top and bottom by its radical.
        denominator = e4.div(two) + e3 + e4.mod(two);
        radicand = e4.mod(two) + e2;
        keyExponents(4, j) = zero;
        coefficient = radicand.div(two) + e1;
        radicand = radicand.mod(two);

        // Cancelling the smaller of the two from both leaves the larger one's excess
        // and a zero, or two zeros when they are equal, without a branch to mispredict.
        const Integer common = std::min(coefficient, denominator);
        coefficient = coefficient - common;
        denominator = denominator - common;
    }
}

AnswerKey ComputeAnswerKey(const PrimeBaseTable& primeBases, const ExponentTable& keyExponents) {
    const Constants& c = constants();
    AnswerKey key{c.one, c.one, c.one};
    for (int q = 1; q <= primeCount; ++q) {
        const Integer& base = primeBases(q);
        key.coefficient = raiseTo(base, keyExponents(1, q), c) * key.coefficient;
        key.radicand = raiseTo(base, keyExponents(2, q), c) * key.radicand;
        key.denominator = raiseTo(base, keyExponents(3, q), c) * key.denominator;
    }
    return key;
}

bool NeedsAnswerForm(const AnswerKey& key) {
    const Integer& one = constants().one;
    return key.coefficient == one || key.radicand == one || key.denominator == one;
}

}  // namespace tarnivo
