#include "catalogue_line.h"

#include <QString>
#include <sstream>

namespace vavivor {

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

std::string catalogueDescription(std::string_view line) {
    const auto first = line.find('\t');
    const auto last = line.rfind('\t');
    if (first == std::string_view::npos || last == first) {
        return {};
    }
    return std::string(line.substr(first + 1, last - first - 1));
}

std::optional<GeneSet> catalogueGenes(std::string_view line) {
    const auto tab = line.rfind('\t');
    if (tab == std::string_view::npos) {
        return std::nullopt;
    }
    std::istringstream column{std::string(line.substr(tab + 1))};
    GeneSet genes{};
    for (auto& position : genes) {
        int value = 0;
        if (!(column >> value) || value < kGenePosMin || value > kGenePosMax) {
            return std::nullopt;
        }
        position = static_cast<std::int16_t>(value);
    }
    return genes;
}

bool descriptionContains(std::string_view line, std::string_view text) {
    return text.empty() || qt(catalogueDescription(line)).contains(qt(text), Qt::CaseInsensitive);
}

} // namespace vavivor
