// SPDX-License-Identifier: MIT
#include "engine/problem.h"

#include <algorithm>
#include <cstddef>

#include "app/runtime/text.h"

namespace tarnivo {

namespace {

constexpr int termCount = 4;
constexpr int primeCount = 3;

PrimeBaseTable makePrimeBases() {
    PrimeBaseTable bases;
    bases(1) = 2;
    bases(2) = 3;
    bases(3) = 5;
    return bases;
}

// Whole part of r·3, computed in double so that a draw just below 1 cannot round up
// to 3. A source straying outside [0, 1) is held to 0..2 as well: the 16-bit
// arithmetic downstream is sized for exactly those exponents.
Integer exponentFromDraw(float r) {
    const double scaled = static_cast<double>(r) * 3.0;
    if (scaled >= 2.0) return 2;
    if (scaled >= 1.0) return 1;
    return 0;
}

void fillTexts(DrillProblem& problem) {
    for (int t = 1; t <= termCount; ++t)
        problem.termTexts[static_cast<std::size_t>(t - 1)] = plainText(problem.problemTerms(t));
    const AnswerKey& key = problem.answerKey;
    problem.keyTexts[0] = trim(signText(key.coefficient.value()));
    problem.keyTexts[1] = trim(signText(key.radicand.value()));
    problem.keyTexts[2] = trim(signText(key.denominator.value()));
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
    for (int t = 1; t <= termCount; ++t)
        for (int j = 1; j <= primeCount; ++j) exponentGrid(t, j) = exponentFromDraw(random.next());
}

Integer RaiseTo(const Integer& base, const Integer& exponent) {
    Integer result = 1;
    for (int i = 1; i <= exponent.value(); ++i) result = base * result;
    return result;
}

void ComputeTerms(const PrimeBaseTable& primeBases, const ExponentTable& exponentGrid, TermTable& problemTerms) {
    for (int t = 1; t <= termCount; ++t) {
        Integer product = 1;
        for (int j = 1; j <= primeCount; ++j) product = RaiseTo(primeBases(j), exponentGrid(t, j)) * product;
        problemTerms(t) = product.value();
    }
}

void SimplifyExponents(const ExponentTable& exponentGrid, ExponentTable& keyExponents) {
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
        denominator = e4.div(2) + e3 + e4.mod(2);
        radicand = e4.mod(2) + e2;
        keyExponents(4, j) = 0;
        coefficient = radicand.div(2) + e1;
        radicand = radicand.mod(2);

        // Cancelling the smaller of the two from both leaves the larger one's excess
        // and a zero, or two zeros when they are equal.
        const Integer common = std::min(coefficient, denominator);
        coefficient = coefficient - common;
        denominator = denominator - common;
    }
}

AnswerKey ComputeAnswerKey(const PrimeBaseTable& primeBases, const ExponentTable& keyExponents) {
    AnswerKey key;
    for (int q = 1; q <= primeCount; ++q) {
        const Integer& base = primeBases(q);
        key.coefficient = RaiseTo(base, keyExponents(1, q)) * key.coefficient;
        key.radicand = RaiseTo(base, keyExponents(2, q)) * key.radicand;
        key.denominator = RaiseTo(base, keyExponents(3, q)) * key.denominator;
    }
    return key;
}

bool NeedsAnswerForm(const AnswerKey& key) { return key.coefficient == 1 || key.radicand == 1 || key.denominator == 1; }

}  // namespace tarnivo
