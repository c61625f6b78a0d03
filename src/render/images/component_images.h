// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-kind builders of component images. Each paints one component on a
// new key-coloured raster (see image_toolkit.h), labelled with its name, turned
// as its arguments say, and returns it; the renderer places and composites it.
// A null image means there is nothing to draw. `scale` (1 ... 8) draws the
// image that many times larger, on a raster of that device pixel ratio, for a
// canvas enlarged as much (render/canvas.h); its logical size stays the same.

#include <QImage>
#include <QString>

namespace sw {

// Two-lead bodies, drawn along the lead angle (the right-hand end points at hole 2).
constexpr int kTwoLeadImageSize = 40;
constexpr int kElectrolyteImageSize = 60;
QImage MakeResistorImage(const QString& name, double angle, int scale = 1);
QImage MakeCapacitorImage(const QString& name, double angle, int scale = 1);
QImage MakeDiodeImage(const QString& name, double angle, int scale = 1);
QImage MakeLedImage(const QString& name, double angle, int scale = 1);
// `size` is "Small", "Medium" or "Large"; any other text gives the label only.
QImage MakeElectrolyteImage(const QString& name, const QString& size, double angle, int scale = 1);

// Bodies sized by their hole span: 20 dx + 20 by 20 dy + 20 pixels (a square of
// 20 max(dx, dy) + 20 for a single in-line IC), image pixel (10, 10) on the
// span's top-left hole. A span whose image would exceed kMaxImageSide on a side
// gives a null image.
struct ImageSize {
    long long width;
    long long height;
};
ImageSize SpanImageSize(int x1, int y1, int x2, int y2);
ImageSize LineICImageSize(int x1, int y1, int x2, int y2);
QImage MakeICImage(int x1, int y1, int x2, int y2, const QString& name, int scale = 1);
QImage MakeRelayImage(int x1, int y1, int x2, int y2, const QString& name, int scale = 1);
QImage MakeSwitchImage(int x1, int y1, int x2, int y2, const QString& name, int scale = 1);
QImage MakeTransformerImage(int x1, int y1, int x2, int y2, const QString& name, int scale = 1);
QImage MakeLineICImage(int x1, int y1, int x2, int y2, const QString& name, int scale = 1);

// Bodies of fixed footprint.
constexpr int kTransistorImageSize = 55;
constexpr int kTrimmerImageSize = 100;
constexpr int kPotImageSize = 120;
constexpr int kJackImageSize = 120;
constexpr int kTubeImageSize = 170;
QImage MakeTransistorImage(const QString& name, double angle, int scale = 1);
// `shape` is 1 (diagonal neighbour), 2, 4 (two or four away and one across),
// 5 (direct neighbour) or 0 (label only). The black pin dots are left out when
// `pinDots` is false (a PCB layout, whose pads show the pins).
QImage MakeTrimmerImage(const QString& name, int shape, double angle, bool pinDots = true, int scale = 1);
QImage MakePotImage(const QString& name, double angle, int scale = 1);
// The angle is 0 or pi and only chooses the mirror image.
QImage MakeJackImage(const QString& name, bool stereo, double angle, int scale = 1);
// `type` is "Noval" or "Octal"; any other type gives a null image.
QImage MakeTubeImage(const QString& name, const QString& type, double angle, int scale = 1);

}  // namespace sw
