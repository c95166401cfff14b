#include "gene_text.h"

#include <cctype>
#include <charconv>
#include <vector>

namespace vavivor {

namespace {

constexpr std::string_view kPrefix = "Vavivor genes:";
// A refused word is quoted up to this length, so that a long text gives a short message.
constexpr std::size_t kQuotedLength = 20;

bool blank(char c) {
    return c == ' ' || c == '\t';
}

bool space(char c) {
    return blank(c) || c == '\n' || c == '\r';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && space(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && space(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool startsWithPrefix(std::string_view text) {
    if (text.size() < kPrefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < kPrefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) !=
            std::tolower(static_cast<unsigned char>(kPrefix[i]))) {
            return false;
        }
    }
    return true;
}

std::string quoted(std::string_view word) {
    std::string text = "\"";
    text += word.substr(0, kQuotedLength);
    if (word.size() > kQuotedLength) {
        text += "...";
    }
    return text + "\"";
}

GeneTextRead refused(std::string reason) {
    return {std::nullopt, std::move(reason)};
}

} // namespace

std::string geneText(const GeneSet& genes) {
    std::string text(kPrefix);
    for (const std::int16_t position : genes) {
        text += ' ';
        text += std::to_string(position);
    }
    return text;
}

GeneTextRead readGeneText(std::string_view text, int genePosMax) {
    std::string_view rest = trimmed(text);
    if (rest.empty()) {
        return refused("it is empty");
    }
    if (rest.find_first_of("\r\n") != std::string_view::npos) {
        return refused("it has more than one line");
    }
    if (startsWithPrefix(rest)) {
        rest.remove_prefix(kPrefix.size());
    }

    std::vector<std::string_view> words;
    bool afterComma = false;
    std::size_t i = 0;
    while (true) {
        while (i < rest.size() && blank(rest[i])) {
            ++i;
        }
        if (i == rest.size()) {
            break;
        }
        if (rest[i] == ',') {
            if (words.empty() || afterComma) {
                return refused("a comma stands where a number belongs");
            }
            afterComma = true;
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < rest.size() && !blank(rest[i]) && rest[i] != ',') {
            ++i;
        }
        words.push_back(rest.substr(start, i - start));
        afterComma = false;
    }
    if (afterComma) {
        return refused("it ends with a comma");
    }

    std::vector<int> values;
    for (const std::string_view word : words) {
        int value = 0;
        const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
        const bool digits = !word.empty() && std::isdigit(static_cast<unsigned char>(word[0]));
        if (!digits || end != word.data() + word.size()) {
            return refused(quoted(word) + " is not a whole number");
        }
        // Too many digits for an int is as far out of range as any large number.
        values.push_back(error == std::errc() ? value : genePosMax + 1);
    }
    if (values.size() != kGeneCount) {
        return refused("it holds " + std::to_string(values.size()) +
                       (values.size() == 1 ? " number" : " numbers") + ", not " +
                       std::to_string(kGeneCount));
    }
    GeneSet genes{};
    for (int g = 0; g < kGeneCount; ++g) {
        const int value = values[static_cast<std::size_t>(g)];
        if (value < kGenePosMin || value > genePosMax) {
            return refused("gene " + std::to_string(g + 1) + " is " +
                           quoted(words[static_cast<std::size_t>(g)]) + ", not a position from " +
                           std::to_string(kGenePosMin) + " to " + std::to_string(genePosMax));
        }
        genes[static_cast<std::size_t>(g)] = static_cast<std::int16_t>(value);
    }
    return {genes, {}};
}

} // namespace vavivor
