#include "result/formula_terms.h"

#include "text/shift_jis.h"

namespace {

enum class TokenKind { Term, Regex, Not, Open, Close, Operator };

struct Token {
    TokenKind Kind;
    FormulaTerm Term;
};

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsFieldNameCharacter(char c) {
    return IsAsciiLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == '_';
}

// The length of a "+name:" prefix at position, 0 when none begins there.
// Namazu wants the name to end in a letter.
size_t FieldPrefixLength(const std::string& formula, size_t position) {
    if (formula[position] != '+')
        return 0;
    size_t i = position + 1;
    while (i < formula.size() && IsFieldNameCharacter(formula[i]))
        ++i;
    if (i == position + 1 || i == formula.size() || formula[i] != ':' ||
        !IsAsciiLetter(formula[i - 1]))
        return 0;
    return i + 1 - position;
}

// The closer that ends a token, searched by whole characters since '}'
// can be a trail byte; npos when there is none.
size_t ClosingDelimiter(const std::string& formula, size_t from, char closer) {
    for (size_t i = from; i < formula.size(); i = NextCharacter(formula, i)) {
        if (formula[i] == closer && (i + 1 == formula.size() || formula[i + 1] == ' '))
            return i;
    }
    return std::string::npos;
}

// A space is never a trail byte, so a plain search finds only real ones.
size_t TokenEnd(const std::string& formula, size_t from) {
    const size_t space = formula.find(' ', from);
    return space == std::string::npos ? formula.size() : space;
}

Token PhraseToken(const std::string& phrase) {
    Token token{TokenKind::Term, {}};
    for (size_t start = 0; start < phrase.size();) {
        const size_t end = TokenEnd(phrase, start);
        if (end > start)
            token.Term.Words.push_back(phrase.substr(start, end - start));
        start = end + 1;
    }
    return token;
}

Token WordToken(const std::string& word) {
    const size_t first = word.find_first_not_of('*');
    if (first == std::string::npos)
        return {TokenKind::Term, {}};
    return {TokenKind::Term, {{word.substr(first, word.find_last_not_of('*') + 1 - first)}}};
}

Token PlainToken(const std::string& word) {
    if (word == "(")
        return {TokenKind::Open, {}};
    if (word == ")")
        return {TokenKind::Close, {}};
    if (word == "!" || EqualsIgnoringAsciiCase(word, "not"))
        return {TokenKind::Not, {}};
    if (word == "&" || word == "|" || EqualsIgnoringAsciiCase(word, "and") ||
        EqualsIgnoringAsciiCase(word, "or"))
        return {TokenKind::Operator, {}};
    return WordToken(word);
}

std::vector<Token> Tokens(const std::string& typed) {
    const std::string formula = ReplaceAllWhole(typed, "　", " ");
    std::vector<Token> tokens;
    for (size_t i = 0; i < formula.size();) {
        if (formula[i] == ' ') {
            ++i;
            continue;
        }
        const size_t prefix = FieldPrefixLength(formula, i);
        const size_t value = i + prefix;
        const char opener = value < formula.size() ? formula[value] : '\0';
        if (opener == '"' || opener == '{') {
            const size_t close = ClosingDelimiter(formula, value + 1, opener == '{' ? '}' : '"');
            const size_t end = close == std::string::npos ? formula.size() : close;
            tokens.push_back(PhraseToken(formula.substr(value + 1, end - value - 1)));
            i = end + 1;
            continue;
        }
        const size_t regexEnd =
            opener == '/' ? ClosingDelimiter(formula, value + 1, '/') : std::string::npos;
        if (regexEnd != std::string::npos) {
            tokens.push_back({TokenKind::Regex, {}});
            i = regexEnd + 1;
            continue;
        }
        const size_t end = TokenEnd(formula, value);
        const std::string word = formula.substr(value, end - value);
        tokens.push_back(prefix > 0 ? WordToken(word) : PlainToken(word));
        i = end;
    }
    return tokens;
}

bool SameTerm(const FormulaTerm& left, const FormulaTerm& right) {
    if (left.Words.size() != right.Words.size())
        return false;
    for (size_t i = 0; i < left.Words.size(); ++i) {
        if (!EqualsIgnoringAsciiCase(left.Words[i], right.Words[i]))
            return false;
    }
    return true;
}

void AddOnce(std::vector<FormulaTerm>& terms, const FormulaTerm& term) {
    if (term.Words.empty())
        return;
    for (const FormulaTerm& known : terms) {
        if (SameTerm(known, term))
            return;
    }
    terms.push_back(term);
}

} // namespace

std::vector<FormulaTerm> FormulaTerms(const std::string& formula) {
    std::vector<FormulaTerm> terms;
    bool excludeNext = false;
    int depth = 0;
    int excludedGroupDepth = -1; // the depth outside the excluded group; -1 when none
    for (const Token& token : Tokens(formula)) {
        switch (token.Kind) {
        case TokenKind::Open:
            if (excludeNext && excludedGroupDepth < 0)
                excludedGroupDepth = depth;
            excludeNext = false;
            ++depth;
            break;
        case TokenKind::Close:
            if (depth > 0)
                --depth;
            if (depth == excludedGroupDepth)
                excludedGroupDepth = -1;
            break;
        case TokenKind::Not:
            excludeNext = true;
            break;
        case TokenKind::Operator:
            break;
        case TokenKind::Term:
        case TokenKind::Regex:
            if (excludedGroupDepth < 0 && !excludeNext && token.Kind == TokenKind::Term)
                AddOnce(terms, token.Term);
            excludeNext = false;
            break;
        }
    }
    return terms;
}
