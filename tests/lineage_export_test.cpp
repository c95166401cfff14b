// The lineage's animated GIF, read back with giflib, and its PDF sheet, read back with the
// poppler tools.
#include "platform/lineage_export.h"
#include "support/file_limit.h"
#include "support/pdf_text.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstring>
#include <gif_lib.h>
#include <gtest/gtest.h>

namespace vavivor {
namespace {

// `count` steps whose figures all differ, each reached as "G<k> +1".
std::vector<LineageStep> steps(int count) {
    std::vector<LineageStep> line;
    GeneSet genes{5, 5, 5, 5, 5, 5, 5, 5};
    for (int i = 0; i < count; ++i) {
        const int g = i % kGeneCount;
        genes[g] = static_cast<std::int16_t>(genes[g] % kGenePosMax + 1);
        std::string how = "G"; // built up, as GCC 12 warns wrongly about "G" + ...
        how += std::to_string(g + 1);
        how += " +1";
        line.push_back({i + 1, 2 * i, genes, how});
    }
    return line;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the extensions before an image hold the loop that plays for ever.
bool loopsForever(const SavedImage& image) {
    for (int i = 0; i + 1 < image.ExtensionBlockCount; ++i) {
        const ExtensionBlock& name = image.ExtensionBlocks[i];
        const ExtensionBlock& loop = image.ExtensionBlocks[i + 1];
        if (name.Function == APPLICATION_EXT_FUNC_CODE && name.ByteCount == 11 &&
            std::memcmp(name.Bytes, "NETSCAPE2.0", 11) == 0) {
            return loop.ByteCount == 3 && loop.Bytes[0] == 1 && loop.Bytes[1] == 0 &&
                   loop.Bytes[2] == 0;
        }
    }
    return false;
}

// One frame per step, each exactly the two-colour drawing of its figure, half a second each and
// three on the last, looping; a disk that takes only part of it leaves the old file.
TEST(LineageGifTest, OneFramePerStepHeldOnTheLastAndLooping) {
    const QTemporaryDir folder;
    const QString path = folder.filePath("lineage.gif");
    const std::vector<LineageStep> line = steps(3);
    QString error;
    ASSERT_TRUE(writeLineageGif(line, path, &error)) << error.toStdString();

    int code = 0;
    GifFileType* gif = DGifOpenFileName(path.toLocal8Bit().constData(), &code);
    ASSERT_NE(gif, nullptr) << GifErrorString(code);
    ASSERT_EQ(DGifSlurp(gif), GIF_OK) << GifErrorString(gif->Error);
    EXPECT_EQ(gif->ImageCount, 3);
    EXPECT_EQ(gif->SWidth, kLineageGifPixels);
    EXPECT_EQ(gif->SHeight, kLineageGifPixels);
    EXPECT_EQ(gif->SColorMap->ColorCount, 2);
    EXPECT_TRUE(loopsForever(gif->SavedImages[0]));
    for (int i = 0; i < gif->ImageCount; ++i) {
        GraphicsControlBlock control{};
        ASSERT_EQ(DGifSavedExtensionToGCB(gif, i, &control), GIF_OK);
        EXPECT_EQ(control.DelayTime, i == 2 ? kLineageHoldCentiseconds : kLineageFrameCentiseconds);
        const QImage frame = lineageFrame(line[static_cast<std::size_t>(i)], kLineageGifPixels);
        const SavedImage& image = gif->SavedImages[i];
        ASSERT_EQ(image.ImageDesc.Width, kLineageGifPixels);
        for (int y = 0; y < kLineageGifPixels; ++y) {
            ASSERT_EQ(std::memcmp(image.RasterBits + y * kLineageGifPixels, frame.constScanLine(y),
                                  kLineageGifPixels),
                      0)
                << "frame " << i << ", row " << y;
        }
    }
    DGifCloseFile(gif, &code);

    const QByteArray before = fileBytes(path);
    const std::string failure = underFileSizeLimit(4096, [&] {
        QString reason;
        return writeLineageGif(steps(6), path, &reason) ? std::string() : reason.toStdString();
    });
    EXPECT_NE(failure.find("Could not write " + path.toStdString() + ": File too large"),
              std::string::npos)
        << failure;
    EXPECT_EQ(fileBytes(path), before);
}

// A lineage longer than a page goes on over as many pages as it needs, twenty steps to a page,
// each with its number, how it was reached and its genes, drawn as vectors.
TEST(LineageSheetTest, StepsGoOnOverPagesWithTheirNumbersHowAndGenes) {
    const QTemporaryDir folder;
    const QString path = folder.filePath("lineage.pdf");
    const std::vector<LineageStep> line = steps(45);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(lineageSheet(line, lineageHeading(line), QPageSize(QPageSize::A4)));
    file.close();

    const QString info = pdfToolOutput("pdfinfo", {path});
    EXPECT_TRUE(info.contains(QRegularExpression(R"(Pages:\s+3\n)"))) << info.toStdString();
    const QString lastPage = pdfToolOutput("pdftotext", {"-f", "3", "-l", "3", path, "-"});
    EXPECT_TRUE(lastPage.contains(QRegularExpression(R"(\b41\s+G1 \+1\b)")))
        << lastPage.toStdString();
    EXPECT_TRUE(lastPage.contains(QStringLiteral("2 2 2 2 2 1 1 1"))) << lastPage.toStdString();
    // Only the header line of pdfimages: no step is a picture.
    EXPECT_EQ(pdfToolOutput("pdfimages", {"-list", path}).count('\n'), 2);
}

} // namespace
} // namespace vavivor
