// One 960-byte storage record as a file from anywhere may hold it: decoded, its figures and
// description read as loading and the catalogue read them.
#include "storage/catalogue.h"
#include "storage/record_io.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

using namespace vavivor;

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// The five bytes that have no character in Windows-1252 and are shown as '?', and the control
// bytes, shown as their pictures.
bool hasShownByte(const StorageRecord& record) {
    return std::any_of(record.description.begin(), record.description.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D || b < 0x20 ||
               b == 0x7F;
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    RecordBytes bytes{};
    std::memcpy(bytes.data(), data, std::min(size, bytes.size()));
    const StorageRecord record = decodeRecord(bytes);
    check(encodeRecord(record) == bytes);

    for (int f = 0; f < kRecordFigures; ++f) {
        if (const auto genes = figureGenes(record, f)) {
            for (const std::int16_t position : *genes) {
                check(position >= kGenePosMin && position <= kGenePosMax);
            }
        }
        for (int g = 0; g < kRecordGenes; ++g) {
            storedPosition(record.cell(f, g));
        }
    }

    const std::string description = descriptionText(record);
    check(isUtf8(description));
    check(characterCount(description) == kDescriptionSize);
    if (!hasShownByte(record)) {
        check(encodeDescription(description) == record.description);
    }

    const std::string line = catalogueLine(catalogueRow(1, record));
    check(isUtf8(line));
    check(std::count(line.begin(), line.end(), '\t') == 2);
    check(line.find_first_of(std::string("\n\r\0", 3)) == std::string::npos);
    check(line.starts_with(record.isSequence() ? "  1M\t" : "  1R\t"));
    return 0;
}
