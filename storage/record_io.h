#pragma once

#include "core/genome.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vavivor {

inline constexpr std::size_t kRecordSize = 960;
inline constexpr int kRecordFigures = 26;
inline constexpr int kRecordGenes = 9;
inline constexpr std::size_t kDescriptionSize = 20;

// One record of a storage file. The description holds the file's bytes (Windows-1252).
struct StorageRecord {
    std::int16_t deleted = 0;
    std::int16_t kind = 0;
    std::array<char, kDescriptionSize> description{};
    std::array<float, kRecordFigures * kRecordGenes> genes{};

    StorageRecord() { description.fill(' '); }

    // Cell (figure f, gene g) of the gene array.
    float& cell(int f, int g) { return genes[static_cast<std::size_t>(f + kRecordFigures * g)]; }
    [[nodiscard]] float cell(int f, int g) const {
        return genes[static_cast<std::size_t>(f + kRecordFigures * g)];
    }
    [[nodiscard]] bool isDeleted() const { return deleted != 0; }
    [[nodiscard]] bool isSequence() const { return kind != 0; }
};

using RecordBytes = std::array<std::uint8_t, kRecordSize>;

// The record in its 960 bytes, little-endian, and back.
StorageRecord decodeRecord(std::span<const std::uint8_t, kRecordSize> bytes);
RecordBytes encodeRecord(const StorageRecord& record);

// A stored position as a whole number (halves to even); 0 for what is not a number or lies
// outside the signed 16-bit range.
std::int16_t storedPosition(float cell);

// The positions of figure f, each cell rounded to a whole number (halves to even), or nothing
// when a cell is not finite or rounds outside 1..9.
std::optional<GeneSet> figureGenes(const StorageRecord& record, int f);

// The description as UTF-8, all 20 characters including the padding blanks; a control byte
// shows as its picture from the Control Pictures block (TAB as U+2409), the file's bytes
// unchanged.
std::string descriptionText(const StorageRecord& record);

// The 20 bytes of a description typed as UTF-8, padded with blanks; nothing when a character
// has no place in Windows-1252 or the text is longer than 20 characters.
std::optional<std::array<char, kDescriptionSize>> encodeDescription(std::string_view text);

// The number of characters of a UTF-8 text.
std::size_t characterCount(std::string_view text);

// Windows-1252 bytes as UTF-8; the five bytes that have no character there become '?'.
std::string fromWindows1252(std::string_view bytes);

// Whether `text` is well-formed UTF-8.
bool isUtf8(std::string_view text);

} // namespace vavivor
