#pragma once

#include "record_io.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace vavivor {

// The whole records of a storage file and its length in bytes.
struct StoreContents {
    std::int64_t length = 0;
    std::vector<StorageRecord> records; // record n at index n - 1
    std::vector<std::uint8_t> tail;     // the bytes after the last whole record
};

// Record access to a storage file. Each call opens the file, does its work and closes it
// again. On failure a call returns nothing (or false) and sets `error` to a sentence naming
// the file and the reason; nothing is changed then. A path written the Windows way
// ("C:\Vavivor\x.zlr", or any path with a backslash) is refused and never created.

enum class IfMissing { Create, Fail };

// Reads every whole record; a file that does not exist is created empty unless told not to.
std::optional<StoreContents> readStore(const std::string& path, std::string* error,
                                       IfMissing ifMissing = IfMissing::Create);

// Reads the file a piece at a time and hands every whole record with its number to `take`, in
// order, keeping none: a scan of a large file holds no more than a piece of it. The result has
// the length and the bytes after the last whole record, but no records.
std::optional<StoreContents>
readStoreRecords(const std::string& path, std::string* error,
                 const std::function<void(int n, const StorageRecord& record)>& take);

// Reads every whole record of a file that exists; a missing file is a failure and is not
// created (the catalogue print only reads).
std::optional<StoreContents> readExistingStore(const std::string& path, std::string* error);

// Reads record n (from 1); a file that does not exist is created empty unless told not to.
std::optional<StorageRecord> readStoreRecord(const std::string& path, int n, std::string* error,
                                             IfMissing ifMissing = IfMissing::Create);

// Writes record n (from 1), extending the file when n follows the last record. Either the
// whole record has reached the disk when this returns true, or the file is as it was before:
// a write that stops part-way (a full disk) is undone, and `error` gives the system's reason.
bool writeStoreRecord(const std::string& path, int n, const StorageRecord& record,
                      std::string* error);

// Sets the deleted flag of record n to -1 (bytes FF FF); the rest of the record stays. All or
// nothing, on the disk when it returns true, as writeStoreRecord.
bool markRecordDeleted(const std::string& path, int n, std::string* error);

// Opens the storage file for reading and writing, creating it unless told not to, after the
// checks that every access makes (a Windows path, not a plain file). Returns the descriptor,
// or -1 with a sentence in `error`.
int openStoreForWriting(const std::string& path, IfMissing ifMissing, std::string* error);

// The number of records a scan counts: the length / 960 rounded, halves to even, so that a
// trailing part of more than half a record counts as one more.
int scannedRecords(const StoreContents& contents);

// Whether record r (1..scannedRecords) is live; a trailing part is read as far as it goes.
bool scannedLive(const StoreContents& contents, int r);

// Why `path` cannot name a storage file on this computer, or nothing when it can.
std::optional<std::string> windowsPathProblem(const std::string& path);

} // namespace vavivor
