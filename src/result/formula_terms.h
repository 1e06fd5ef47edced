#pragma once

#include <string>
#include <vector>

// What of a Namazu formula (2.0 or 1.3) the mail pane marks.

// A word, or the words of a phrase in their order.
struct FormulaTerm {
    std::vector<std::string> Words;
};

// The plain terms of formula, each once (ignoring ASCII case), in formula
// order. Tokens are split at ASCII and ideographic spaces, as Namazu splits
// them:
// - the operators and, or, not (any case), &, |, ! and the parentheses are
//   no terms, and neither is what a not or ! excludes (the next term, or
//   the next parenthesised group): it cannot be in a hit;
// - "a b" and {a b} are one phrase, also after a field prefix; one that
//   never closes runs to the end of the formula;
// - +field:value marks the value, never the prefix;
// - the * of a prefix, suffix or inside match is dropped and the literal
//   part kept, so abc* marks every abc;
// - a /regular expression/ is not marked.
std::vector<FormulaTerm> FormulaTerms(const std::string& formula);
