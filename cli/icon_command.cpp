#include "commands.h"
#include "platform/figure_icon.h"

#include <ostream>

namespace vavivor::cli {

namespace {

constexpr int kDefaultIconPixels = 256;

} // namespace

int runIcon(const CliOptions& options, std::ostream& /*out*/, std::ostream& err) {
    const GeneSet genes = options.genes.value_or(kIconGenes);
    const QString path = QString::fromStdString(options.output);
    QString error;
    const bool written =
        options.format == "svg"
            ? writeFigureIconSvg(genes, path, &error)
            : writeFigureIconPng(genes, path, options.size > 0 ? options.size : kDefaultIconPixels,
                                 &error);
    if (!written) {
        err << "vavivor-cli: " << error.toStdString() << "\n";
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace vavivor::cli
