// SPDX-License-Identifier: GPL-3.0-or-later
// A folder named in no layer.
#include "model/layout_document.h"
