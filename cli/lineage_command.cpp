#include "commands.h"
#include "core/lineage.h"
#include "output_files.h"
#include "picture_output.h"
#include "platform/lineage_export.h"
#include "storage/run_file.h"

#include <ostream>

namespace vavivor::cli {

namespace {

// A sentence of the storage layer as the middle of a line: "the run file ... holds no screen".
std::string asLinePart(std::string sentence) {
    if (!sentence.empty() && sentence.back() == '.') {
        sentence.pop_back();
    }
    return lowerCaseStart(std::move(sentence));
}

void writeGenesLines(const std::vector<LineageStep>& steps, std::ostream& out) {
    for (const LineageStep& step : steps) {
        out << step.step << '\t' << step.how << '\t';
        for (std::size_t g = 0; g < step.genes.size(); ++g) {
            out << (g == 0 ? "" : " ") << step.genes[g];
        }
        out << '\n';
    }
}

} // namespace

int runLineage(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const std::string& path = options.arguments.front();
    if (const int status = refuseOutputOverInput({options.output}, {path}, err);
        status != kExitOk) {
        return status;
    }
    const RunFileRead read = readRunFile(path);
    if (!read.run) {
        err << "vavivor-cli: " << asLinePart(read.error) << "\n";
        return kExitFailure;
    }
    const HistoryState& history = read.run->history;
    const std::vector<LineageStep> steps = lineageSteps(history, history.current());
    if (steps.empty()) {
        err << "vavivor-cli: the run file " << path << " holds no screen\n";
        return kExitFailure;
    }
    if (options.format == "genes") {
        return withTextOutput(options.output, out, err,
                              [&](std::ostream& s) { writeGenesLines(steps, s); });
    }
    const QString heading = lineageHeading(
        steps, QStringLiteral("run of %1")
                   .arg(QString::fromStdString(read.run->started).replace(u'T', u' ')));
    return writeWhole(options.output, err, [&](const std::string& file, std::string* reason) {
        QString error;
        const QString name = QString::fromStdString(file);
        const bool written = options.format == "gif"
                                 ? writeLineageGif(steps, name, &error)
                                 : writeLineageSheet(steps, heading, name, &error);
        *reason = error.toStdString();
        return written;
    });
}

} // namespace vavivor::cli
