// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outcome of writing a file (a layout, a bill of materials, a picture).

#include <QString>

namespace sw {

struct WriteResult {
    bool ok = false;
    QString message;  // why it failed, ready to show to the user
};

}  // namespace sw
