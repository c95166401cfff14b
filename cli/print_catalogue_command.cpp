#include "commands.h"
#include "core/program_state.h"
#include "listed_stores.h"
#include "output_files.h"
#include "platform/program_folder.h"
#include "platform/qt_printer_page.h"
#include "platform/system_clock.h"
#include "printing/catalogue_print.h"
#include "storage/store_file.h"
#include "storage/store_list_io.h"

#include <QFileInfo>
#include <ostream>

namespace vavivor::cli {

int printCatalogueFiles(const std::vector<std::string>& files, const std::string& pdf,
                        std::ostream& err) {
    if (const int status = refuseOutputOverInput({pdf}, files, err); status != kExitOk) {
        return status;
    }
    // Every file is read before the document starts, so that a file that cannot be read
    // leaves nothing behind.
    ProgramState state;
    initProgramState(state);
    state.store.storeList = {""};
    for (const std::string& file : files) {
        std::string error;
        if (!readExistingStore(file, &error)) {
            err << "vavivor-cli: " << error << "\n";
            return kExitFailure;
        }
        state.store.storeList.push_back(
            QFileInfo(QString::fromStdString(file)).absoluteFilePath().toStdString());
    }
    state.store.storeCount = static_cast<std::int16_t>(files.size());

    const SystemClock clock;
    return writeWhole(pdf, err, [&](const std::string& file, std::string* reason) {
        QtPrinterPage page(QString::fromStdString(file));
        const CatalogueOutcome outcome = printCatalogueDocument(state, page, clock, 0);
        // A storage file that changed after it was read can still fail the document.
        *reason = outcome.unreadable.empty() ? outcome.printerFailure : outcome.unreadable.front();
        return outcome.printed && outcome.unreadable.empty();
    });
}

int runPrintCatalogue(const CliOptions& options, std::ostream& /*out*/, std::ostream& err) {
    if (options.all == !options.arguments.empty()) {
        err << "vavivor-cli: print-catalogue takes either --all or storage files\n";
        return kExitUsage;
    }
    if (options.arguments.size() > static_cast<std::size_t>(kMaxStoreEntries)) {
        err << "vavivor-cli: print-catalogue takes at most " << kMaxStoreEntries
            << " storage files\n";
        return kExitUsage;
    }
    std::vector<std::string> files = options.arguments;
    if (options.all) {
        const std::string list = programFolder() + "/" + kStoreListName;
        if (const int status = refuseOutputOverInput({options.output}, {list}, err);
            status != kExitOk) {
            return status;
        }
        std::string error;
        const auto listed = listedStoreFiles(programFolder(), &error);
        if (!listed) {
            err << "vavivor-cli: " << error << "\n";
            return kExitFailure;
        }
        files = *listed;
    }
    return printCatalogueFiles(files, options.output, err);
}

} // namespace vavivor::cli
