// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing a PCB layout's Gerber and drill files into a folder: NAME-B_Cu.gbr
// (copper), NAME-Edge_Cuts.gbr (outline) and NAME.drl (drill), written all
// or nothing. Shared by the editor's Export Gerber and the command line's gerber.

#include "model/write_result.h"

#include <QString>
#include <QStringList>
#include <cstdint>

namespace sw {

class LayoutDocument;

struct GerberWriteResult {
    WriteResult write;
    bool refused = false;  // the layout cannot be written (see GerberRefusal)
    QStringList files;     // the paths written, in the order above
};

// The three file names for layouts called `baseName`.
QStringList GerberFileNames(const QString& baseName);

// Creates `folder` when missing and writes the three files together: on a
// failure none is written and any old set stays whole.
GerberWriteResult WriteGerberFiles(const LayoutDocument& doc, const QString& folder,
                                   const QString& baseName, std::int64_t drillUnits);

}  // namespace sw
