// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bill of materials: one line per listed part, sorted, between a header
// naming the project and a footer with the program's web address. Building the
// text touches nothing; writing it replaces the target file in one piece.

#include "model/write_result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace sw {

class LayoutDocument;


// The part lines, sorted by character codes ("R10: ..." before "R2: ...").
QStringList BillOfMaterialsParts(const LayoutDocument& doc);
// Every line of the file: the header, the parts and the footer.
QStringList BillOfMaterialsLines(const LayoutDocument& doc);
// The file's bytes: UTF-8, every line (the last included) ended by CR LF.
QByteArray BillOfMaterialsText(const LayoutDocument& doc);
// Writes the text atomically: on failure the target is left as it was.
WriteResult WriteBillOfMaterials(const LayoutDocument& doc, const QString& path);

}  // namespace sw
