#pragma once

#include "core/lineage.h"
#include "core/picture.h"

#include <QByteArray>
#include <QImage>
#include <QPageSize>
#include <QString>
#include <vector>

namespace vavivor {

// The animated GIF of a lineage: one frame per step, its figure black on white as the full
// screen draws it, labelled with how it was reached and numbered with its step; each frame
// shows for half a second, the last for three, and the animation loops.
inline constexpr int kLineageGifPixels = 656; // the picture area on screen
inline constexpr int kLineageFrameCentiseconds = 50;
inline constexpr int kLineageHoldCentiseconds = 300;

// The full-screen picture of one step: the figure and, when `labelled`, `how` as its label and
// the step as its number.
Picture lineageFramePicture(const LineageStep& step, bool labelled);

// That picture painted on white at `pixels` square, in two colours: an 8-bit image whose pixels
// are 0 (white) or 1 (black).
QImage lineageFrame(const LineageStep& step, int pixels);

// The GIF file of the lineage at `pixels` square; empty with `error` set (one sentence naming the
// reason) when the encoder fails.
QByteArray lineageGif(const std::vector<LineageStep>& steps, int pixels, QString* error);

// The paper of a lineage sheet: Letter where the system's measures are US ones, else A4.
QPageSize lineagePaper();

// The heading of a lineage sheet: "Vavivor lineage, 12 steps", with `from` after the count when
// given.
QString lineageHeading(const std::vector<LineageStep>& steps, const QString& from = {});

// The lineage sheet as PDF: a heading, then the steps in order, twenty to a page in a grid of
// four by five, each figure drawn as vectors with its step, how it was reached and its genes.
QByteArray lineageSheet(const std::vector<LineageStep>& steps, const QString& heading,
                        const QPageSize& paper);

// The GIF and the sheet written whole as `path` (platform/whole_file.h): on failure the file that
// stood stays as it was, false is returned and `error` is a sentence naming the file and the
// reason.
bool writeLineageGif(const std::vector<LineageStep>& steps, const QString& path, QString* error);
bool writeLineageSheet(const std::vector<LineageStep>& steps, const QString& heading,
                       const QString& path, QString* error);

} // namespace vavivor
