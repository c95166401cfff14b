#include "record_io.h"

#include "core/number_text.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <iconv.h>
#include <memory>

namespace vavivor {

namespace {

constexpr std::size_t kGenesOffset = 24;

std::uint16_t readU16(std::span<const std::uint8_t, kRecordSize> b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8U));
}

void writeU16(RecordBytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFFU);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8U);
}

// Converts between character sets with iconv; nothing when a character has no place in the
// target set or the input is not valid in the source set.
std::optional<std::string> convert(const char* to, const char* from, std::string_view text) {
    const iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    const std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
    std::string in(text);
    std::string out(in.size() * 4 + 4, '\0');
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace

StorageRecord decodeRecord(std::span<const std::uint8_t, kRecordSize> bytes) {
    StorageRecord record;
    record.deleted = static_cast<std::int16_t>(readU16(bytes, 0));
    record.kind = static_cast<std::int16_t>(readU16(bytes, 2));
    std::memcpy(record.description.data(), bytes.data() + 4, kDescriptionSize);
    if constexpr (std::endian::native == std::endian::little) {
        // The machine's byte order is the file's: the gene array is taken as it stands, which
        // makes the scan of a large storage file several times faster.
        std::memcpy(record.genes.data(), bytes.data() + kGenesOffset,
                    record.genes.size() * sizeof(float));
        return record;
    }
    for (std::size_t i = 0; i < record.genes.size(); ++i) {
        const std::size_t at = kGenesOffset + 4 * i;
        const std::uint32_t raw = bytes[at] | (bytes[at + 1] << 8U) | (bytes[at + 2] << 16U) |
                                  (static_cast<std::uint32_t>(bytes[at + 3]) << 24U);
        record.genes[i] = std::bit_cast<float>(raw);
    }
    return record;
}

RecordBytes encodeRecord(const StorageRecord& record) {
    RecordBytes bytes{};
    writeU16(bytes, 0, static_cast<std::uint16_t>(record.deleted));
    writeU16(bytes, 2, static_cast<std::uint16_t>(record.kind));
    std::memcpy(bytes.data() + 4, record.description.data(), kDescriptionSize);
    for (std::size_t i = 0; i < record.genes.size(); ++i) {
        const auto raw = std::bit_cast<std::uint32_t>(record.genes[i]);
        const std::size_t at = kGenesOffset + 4 * i;
        for (std::size_t b = 0; b < 4; ++b) {
            bytes[at + b] = static_cast<std::uint8_t>(raw >> (8U * b));
        }
    }
    return bytes;
}

std::int16_t storedPosition(float cell) {
    return toInt16(cell).value_or(0);
}

std::optional<GeneSet> figureGenes(const StorageRecord& record, int f) {
    GeneSet genes{};
    for (int g = 0; g < kGeneCount; ++g) {
        // A stored position is rounded as every reader rounds it (halves to even), so that
        // 5.0000005 or 4.5 written by another program reads as the catalogue shows it.
        const std::optional<std::int16_t> position = toInt16(record.cell(f, g));
        if (!position || !isValidPosition(*position)) {
            return std::nullopt;
        }
        genes[g] = *position;
    }
    return genes;
}

std::string descriptionText(const StorageRecord& record) {
    const std::string text =
        fromWindows1252(std::string_view(record.description.data(), kDescriptionSize));
    // A control byte (written by another program) would break a catalogue line into columns
    // or lines that are not there; it is shown as its picture (TAB as U+2409, NUL as U+2400,
    // DEL as U+2421). Bytes of multi-byte UTF-8 characters are never below 0x80.
    std::string shown;
    shown.reserve(text.size());
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20U || b == 0x7FU) {
            const unsigned picture = b == 0x7FU ? 0x2421U : 0x2400U + b;
            shown += static_cast<char>(0xE0U | (picture >> 12U));
            shown += static_cast<char>(0x80U | ((picture >> 6U) & 0x3FU));
            shown += static_cast<char>(0x80U | (picture & 0x3FU));
        } else {
            shown += c;
        }
    }
    return shown;
}

std::string fromWindows1252(std::string_view bytes) {
    // Plain ASCII is the same in both, and the usual description: no converter needed.
    if (std::all_of(bytes.begin(), bytes.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return std::string(bytes);
    }
    if (auto whole = convert("UTF-8", "WINDOWS-1252", bytes)) {
        return *whole;
    }
    // Every byte has a meaning in Windows-1252 but five; show those as '?'.
    std::string text;
    for (const char c : bytes) {
        const auto converted = convert("UTF-8", "WINDOWS-1252", std::string_view(&c, 1));
        text += converted.value_or("?");
    }
    return text;
}

bool isUtf8(std::string_view text) {
    return convert("UTF-8", "UTF-8", text).has_value();
}

std::optional<std::array<char, kDescriptionSize>> encodeDescription(std::string_view text) {
    const auto bytes = convert("WINDOWS-1252", "UTF-8", text);
    if (!bytes || bytes->size() > kDescriptionSize) {
        return std::nullopt;
    }
    std::array<char, kDescriptionSize> description{};
    description.fill(' ');
    std::memcpy(description.data(), bytes->data(), bytes->size());
    return description;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        // Count every byte that does not continue a UTF-8 sequence.
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) {
            ++count;
        }
    }
    return count;
}

} // namespace vavivor
