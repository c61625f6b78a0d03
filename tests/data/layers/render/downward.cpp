// SPDX-License-Identifier: GPL-3.0-or-later
// Using a folder below is allowed.
#include "model/layout_document.h"
