// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A model header that reaches up into the windows: the layer check refuses it.
#include "render/canvas.h"
#include "ui/main_form.h"
#include <QString>
