#include "core/renderer.h"
#include "lineage_export.h"
#include "picture_export.h"

#include <array>
#include <gif_lib.h>
#include <memory>

namespace vavivor {

namespace {

constexpr int kGrey = 192; // a pixel darker than this is black, so that small text stays whole

// The output callback of the encoder: appends to the QByteArray it was opened with.
int appendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

QString encoderFailure(int code) {
    const char* text = GifErrorString(code);
    return QStringLiteral("the GIF encoder failed (%1)")
        .arg(text != nullptr ? QString::fromLatin1(text) : QString::number(code));
}

// Writes the application extension that makes viewers play the frames over and over.
bool putLoopForever(GifFileType* gif) {
    static const GifByteType kName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType kLoop[] = {1, 0, 0}; // sub-block 1: loop count 0, for ever
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof kName, kName) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof kLoop, kLoop) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool putFrame(GifFileType* gif, const QImage& frame, int centiseconds) {
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = centiseconds;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    std::array<GifByteType, 4> extension{};
    const auto length = static_cast<int>(EGifGCBToExtension(&control, extension.data()));
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, length, extension.data()) != GIF_OK ||
        EGifPutImageDesc(gif, 0, 0, frame.width(), frame.height(), false, nullptr) != GIF_OK) {
        return false;
    }
    for (int y = 0; y < frame.height(); ++y) {
        // giflib takes the row as writable but does not change it.
        auto* row = const_cast<GifPixelType*>(frame.constScanLine(y));
        if (EGifPutLine(gif, row, frame.width()) != GIF_OK) {
            return false;
        }
    }
    return true;
}

} // namespace

Picture lineageFramePicture(const LineageStep& step, bool labelled) {
    // The picture area's scale, which the full screen draws in.
    RecordingSurface surface;
    surface.setScale(0, kPicScale, kPicScale, 0);
    const ScreenFigure figure{kCentreCell, step.genes, labelled ? step.how : std::string(),
                              labelled ? step.step : 0};
    drawFigure(RendererState{}, surface, figure, FigureLayout::Full);
    return surface.picture();
}

QImage lineageFrame(const LineageStep& step, int pixels) {
    // Drawn without antialiasing, the lines are already black or white; the text's grey edges
    // go to the nearer of the two.
    const QImage drawn = renderPicture(lineageFramePicture(step, true), pixels, false);
    QImage frame(pixels, pixels, QImage::Format_Indexed8);
    frame.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < pixels; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        uchar* out = frame.scanLine(y);
        for (int x = 0; x < pixels; ++x) {
            out[x] = qGray(in[x]) < kGrey ? 1 : 0;
        }
    }
    return frame;
}

QByteArray lineageGif(const std::vector<LineageStep>& steps, int pixels, QString* error) {
    QByteArray bytes;
    int code = 0;
    GifFileType* gif = EGifOpen(&bytes, appendBytes, &code);
    if (gif == nullptr) {
        *error = encoderFailure(code);
        return {};
    }
    EGifSetGifVersion(gif, true);
    const std::array<GifColorType, 2> colours{{{255, 255, 255}, {0, 0, 0}}};
    const std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> map(
        GifMakeMapObject(2, colours.data()), GifFreeMapObject);
    bool written = map != nullptr &&
                   EGifPutScreenDesc(gif, pixels, pixels, 1, 0, map.get()) == GIF_OK &&
                   putLoopForever(gif);
    for (std::size_t i = 0; written && i < steps.size(); ++i) {
        const bool last = i + 1 == steps.size();
        written = putFrame(gif, lineageFrame(steps[i], pixels),
                           last ? kLineageHoldCentiseconds : kLineageFrameCentiseconds);
    }
    const int failure = gif->Error;
    if (EGifCloseFile(gif, &code) != GIF_OK || !written) {
        *error = encoderFailure(written ? code : failure);
        return {};
    }
    return bytes;
}

bool writeLineageGif(const std::vector<LineageStep>& steps, const QString& path, QString* error) {
    const QByteArray gif = lineageGif(steps, kLineageGifPixels, error);
    if (gif.isEmpty()) {
        *error = QStringLiteral("Could not write %1: %2.").arg(path, *error);
        return false;
    }
    return writeFileWhole(path, gif, error);
}

} // namespace vavivor
