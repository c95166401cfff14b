#include "catalogue_row.h"

#include "core/number_text.h"

namespace vavivor {

namespace {

constexpr std::size_t kNumberField = 3;

} // namespace

CatalogueRow catalogueRow(int number, const StorageRecord& record) {
    CatalogueRow row;
    row.number = number;
    row.sequence = record.isSequence();
    row.description = descriptionText(record);
    for (int g = 0; g < kGeneCount; ++g) {
        row.genes[static_cast<std::size_t>(g)] = toInt16(record.cell(0, g));
    }
    return row;
}

std::string recordField(const CatalogueRow& row) {
    std::string field = std::to_string(row.number);
    if (field.size() < kNumberField) {
        field.insert(0, kNumberField - field.size(), ' ');
    }
    return field + (row.sequence ? "M" : "R");
}

std::string positionText(std::optional<std::int16_t> position) {
    return position ? std::to_string(*position) : "?";
}

std::string catalogueLine(const CatalogueRow& row) {
    std::string line = recordField(row) + "\t" + row.description + "\t";
    for (const auto& position : row.genes) {
        line += positionText(position) + "  ";
    }
    return line;
}

std::optional<GeneSet> firstFigure(const CatalogueRow& row) {
    GeneSet genes{};
    for (std::size_t g = 0; g < genes.size(); ++g) {
        const auto& position = row.genes[g];
        if (!position || !isValidPosition(*position)) {
            return std::nullopt;
        }
        genes[g] = *position;
    }
    return genes;
}

} // namespace vavivor
