// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Everything that opening a layout sets going, run on the bytes of a file: the
// parse and check, the board drawn as the editor shows it (with every other
// component selected) and as the exported picture, the components in the
// explorer's order, the connectivity check between two holes taken from the
// file, the bill of materials, the copper picture and its GIF, and a save that
// must open again. The fuzzer, the hostile-file tests and their benchmark all
// drive this one sequence, so what the tests state is what the fuzzer explores.

#include "analysis/connectivity.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <QStringList>

namespace sw {

struct OpenOutcome {
    bool opened = false;
    QString refusal;  // the message shown when the file is refused

    int components = 0;
    QStringList explorerOrder;  // "category: name" of every component, as listed
    QSize boardImage;           // the screen raster, 2000 x 1200 when drawn
    QSize picture;              // the exported picture
    Hole source;                // the two holes checked
    Hole destination;
    ConnectionReport connection;
    QByteArray billOfMaterials;
    bool copperMade = false;
    QString copperRefusal;  // why there is no copper picture
    QSize copperSize;
    QByteArray copperGif;
    qsizetype savedBytes = 0;  // the size of the saved text
    bool reopened = false;     // the saved text opened again
    QString reopenProblem;
};

// Which steps to run; the benchmark and tests may leave the costly ones out.
struct OpenSteps {
    bool screen = true;
    bool picture = true;
    bool copper = true;
    bool encodeCopper = true;
};

// Needs a QGuiApplication with the program's fonts registered.
OpenOutcome RunOpenPipeline(const QByteArray& bytes, const OpenSteps& steps = {});

}  // namespace sw
