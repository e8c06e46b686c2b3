// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

#include "app/runtime/random_source.h"
#include "engine/tables.h"

namespace tarnivo {

// One drill problem a·√b / (c·√d) with its answer key A·√B / C. The term texts are
// what the problem labels show; the key texts are what an answer is marked against.
struct DrillProblem {
    ExponentTable exponentGrid;
    TermTable problemTerms;
    ExponentTable keyExponents;
    AnswerKey answerKey;
    std::array<std::string, 4> termTexts;
    std::array<std::string, 3> keyTexts;

    friend bool operator==(const DrillProblem&, const DrillProblem&) = default;
};

// 2, 3 and 5, indexed 1..3.
const PrimeBaseTable& PrimeBases();

// Draws the next problem from the random source and simplifies it to its key.
DrillProblem GenerateProblem(RandomSource& random);

// The steps of GenerateProblem, open so that they can be driven with chosen tables.

// Twelve draws, term by term and prime by prime within a term; each becomes 0, 1 or 2.
void DrawExponents(RandomSource& random, ExponentTable& exponentGrid);

// base to the power exponent in checked 16-bit arithmetic; an exponent below 1 gives 1.
Integer RaiseTo(const Integer& base, const Integer& exponent);

void ComputeTerms(const PrimeBaseTable& primeBases, const ExponentTable& exponentGrid, TermTable& problemTerms);

// Works on each prime's exponents alone: rationalises the denominator, takes square
// factors out of the radical and cancels between coefficient and denominator.
void SimplifyExponents(const ExponentTable& exponentGrid, ExponentTable& keyExponents);

AnswerKey ComputeAnswerKey(const PrimeBaseTable& primeBases, const ExponentTable& keyExponents);

// True when the answer lacks a coefficient, a radical or a denominator, so the
// student has to pick the shape of the answer first.
bool NeedsAnswerForm(const AnswerKey& key);

// Everything GenerateProblem does after the draw: terms, key and texts for a given table.
DrillProblem SolveExponents(const PrimeBaseTable& primeBases, const ExponentTable& exponentGrid);

}  // namespace tarnivo
