#pragma once

#include "storage/catalogue_view.h"
#include "storage/delete_view.h"
#include "storage/record_io.h"
#include "storage/store_choice_view.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>
#include <vector>

namespace vavivor {

// The storage windows as plain fields.
struct FakeStoreChoice : StoreChoiceView {
    void setStoreEntries(const std::vector<std::string>& paths) override { entries = paths; }
    std::vector<std::string> entries;
};

struct FakeCatalogue : CatalogueView {
    void clearRows() override { rows.clear(); }
    void addRow(const CatalogueRow& row) override { rows.push_back(row); }
    int selectedRow() const override { return selected; }
    void setStoreCaption(const std::string&) override {}
    void showWindow() override { visible = true; }
    void hideWindow() override { visible = false; }

    std::vector<CatalogueRow> rows;
    int selected = -1;
    bool visible = false;
};

struct FakeDeleteView : DeleteView {
    void setRecordCaptions(const std::string&, const std::string&, const std::string&) override {}
    void setShownRecord(const ShownRecord& shown) override { record = shown; }
    const ShownRecord& shownRecord() const override { return record; }
    void showWindow() override { visible = true; }
    void hideWindow() override { visible = false; }

    ShownRecord record;
    bool visible = false;
};

// A record as the program saves it: a single figure, or a sequence whose row f has every gene
// at position 1 + (f + g) % 9.
inline StorageRecord makeRecord(bool sequence, const std::string& description,
                                const GeneSet& first = startGenes(), bool deleted = false) {
    StorageRecord record;
    record.deleted = deleted ? -1 : 0;
    record.kind = sequence ? -1 : 0;
    record.description = *encodeDescription(description);
    for (int g = 0; g < kGeneCount; ++g) {
        record.cell(0, g) = first[g];
        for (int f = 1; sequence && f < kCellCount; ++f) {
            record.cell(f, g) = static_cast<float>(1 + (f + g) % 9);
        }
    }
    return record;
}

// `record` marked deleted as other programs may mark it: any flag but 0 means deleted, here 1
// (bytes 01 00) rather than the -1 that this program writes.
inline StorageRecord deletedElsewhere(StorageRecord record) {
    record.deleted = 1;
    return record;
}

inline QByteArray fileBytes(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeBytes(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        file.write(bytes);
    }
}

// The records, then `tail`: the start of a record that was never finished.
inline void writeRecords(const std::string& path, const std::vector<StorageRecord>& records,
                         const QByteArray& tail = {}) {
    QByteArray bytes;
    for (const auto& record : records) {
        const RecordBytes encoded = encodeRecord(record);
        bytes.append(reinterpret_cast<const char*>(encoded.data()),
                     static_cast<qsizetype>(encoded.size()));
    }
    writeBytes(path, bytes + tail);
}

} // namespace vavivor
