#include "commands.h"
#include "output_files.h"
#include "platform/figure_icon.h"

#include <ostream>

namespace vavivor::cli {

namespace {

constexpr int kDefaultIconPixels = 256;

} // namespace

int runIcon(const CliOptions& options, std::ostream& /*out*/, std::ostream& err) {
    const GeneSet genes = options.genes.value_or(kIconGenes);
    return writeWhole(options.output, err, [&](const std::string& file, std::string* reason) {
        const QString path = QString::fromStdString(file);
        QString error;
        const bool written =
            options.format == "svg"
                ? writeFigureIconSvg(genes, path, &error)
                : writeFigureIconPng(genes, path,
                                     options.size > 0 ? options.size : kDefaultIconPixels, &error);
        *reason = error.toStdString();
        return written;
    });
}

} // namespace vavivor::cli
