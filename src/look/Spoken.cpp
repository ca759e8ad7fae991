// SPDX-FileCopyrightText: 2026 The Quintara developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The spoken texts, joined from the terms and the formula.
#include "look/Spoken.h"

#include "look/Texts.h"

#include <algorithm>

namespace look {

namespace {

std::string Sentence(const std::string &text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos)
        return {};
    std::string sentence = text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
    if (sentence.back() != '.')
        sentence += '.';
    return sentence;
}

std::string Joined(const Terms &terms) {
    std::string joined;
    for (const std::string &term : terms)
        joined += (joined.empty() ? "" : ", ") + term;
    return joined;
}

} // namespace

std::string SequenceDescription(const Terms &terms) {
    return Sentence("Current sequence: " + Joined(terms));
}

std::string SequenceSpoken(const Terms &terms, bool testMode) {
    std::string spoken = Sentence("Sequence: " + Joined(terms));
    if (testMode)
        (spoken += ' ') += HelpHint;
    return spoken;
}

std::string WrongSpoken() {
    return "Wrong.";
}

std::string CorrectSpoken(const Terms &nextTerms) {
    return "Correct. " + Sentence("Next sequence: " + Joined(nextTerms));
}

std::string CompletedSpoken() {
    return "Correct. All sequences completed.";
}

std::string HelpSpoken(const std::string &answer, const std::string &formula) {
    std::string spoken = Sentence("Answer: " + answer);
    std::size_t start = 0;
    while (start <= formula.size()) {
        const std::size_t end = std::min(formula.find('\n', start), formula.size());
        if (const std::string sentence = Sentence(formula.substr(start, end - start));
            !sentence.empty())
            spoken += ' ' + sentence;
        start = end + 1;
    }
    return spoken;
}

} // namespace look
