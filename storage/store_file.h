#pragma once

#include "record_io.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vavivor {

// The whole records of a storage file and its length in bytes.
struct StoreContents {
    std::int64_t length = 0;
    std::vector<StorageRecord> records; // record n at index n - 1
};

// Record access to a storage file. Each call opens the file, does its work and closes it
// again. On failure a call returns nothing (or false) and sets `error` to a sentence naming
// the file and the reason; nothing is changed then.

// Reads every whole record; a file that does not exist is created empty.
std::optional<StoreContents> readStore(const std::string& path, std::string* error);

// Reads record n (from 1); a file that does not exist is created empty.
std::optional<StorageRecord> readStoreRecord(const std::string& path, int n, std::string* error);

// Writes record n (from 1), extending the file when n follows the last record.
bool writeStoreRecord(const std::string& path, int n, const StorageRecord& record,
                      std::string* error);

} // namespace vavivor
