#include "commands.h"
#include "output_files.h"
#include "screen_output.h"
#include "storage/catalogue.h"
#include "storage/catalogue_row.h"
#include "storage/store_file.h"
#include "storage/store_list_io.h"

#include <charconv>
#include <optional>
#include <ostream>

namespace vavivor::cli {

namespace {

// The whole records of an existing storage file; a missing or unreadable file, or one that
// ends in part of a record, is reported on `err`. Such a tail still leaves the whole records.
std::optional<StoreContents> readStorageFile(const std::string& path, std::ostream& err,
                                             bool* damaged) {
    std::string error;
    auto contents = readStore(path, &error, IfMissing::Fail);
    if (!contents) {
        err << "vavivor-cli: " << error << "\n";
        return std::nullopt;
    }
    *damaged = !contents->tail.empty();
    if (*damaged) {
        const std::size_t bytes = contents->tail.size();
        err << "vavivor-cli: the storage file " << path << " ends in " << bytes
            << (bytes == 1 ? " byte that makes" : " bytes that make") << " no whole record\n";
    }
    return contents;
}

std::optional<int> recordNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 1 ||
        value > kMaxStoreEntries) {
        return std::nullopt;
    }
    return value;
}

} // namespace

int runCatalogue(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::string& path = options.arguments.front();
    if (const int status = refuseOutputOverInput({""}, {path}, err); status != kExitOk) {
        return status;
    }
    bool damaged = false;
    const auto contents = readStorageFile(path, err, &damaged);
    if (!contents) {
        return kExitFailure;
    }
    for (std::size_t i = 0; i < contents->records.size(); ++i) {
        if (!contents->records[i].isDeleted()) {
            out << catalogueLine(catalogueRow(static_cast<int>(i) + 1, contents->records[i]))
                << "\n";
        }
    }
    return damaged ? kExitFailure : kExitOk;
}

int runExport(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::string& path = options.arguments[0];
    const auto n = recordNumber(options.arguments[1]);
    if (!n) {
        err << "vavivor-cli: RECORD is a record number 1.." << kMaxStoreEntries << ", not '"
            << options.arguments[1] << "'\n";
        return kExitUsage;
    }
    std::string error;
    const auto contents = readStore(path, &error, IfMissing::Fail);
    if (!contents) {
        err << "vavivor-cli: " << error << "\n";
        return kExitFailure;
    }
    if (static_cast<std::size_t>(*n) > contents->records.size()) {
        err << "vavivor-cli: the storage file " << path << " holds no record " << *n << " (it has "
            << contents->records.size() << ")\n";
        return kExitFailure;
    }
    const StorageRecord& record = contents->records[static_cast<std::size_t>(*n) - 1];
    if (record.isDeleted()) {
        err << "vavivor-cli: record " << *n << " of the storage file " << path
            << " has been deleted\n";
        return kExitFailure;
    }

    const auto screen = screenOfRecord(record, *n, path);
    if (!screen) {
        err << "vavivor-cli: record " << *n << " of the storage file " << path
            << " is damaged: its gene positions are not all whole numbers 1..9\n";
        return kExitFailure;
    }
    return writeScreen(*screen, options, out, err, {path});
}

} // namespace vavivor::cli
