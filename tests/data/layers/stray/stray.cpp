// A folder named in no layer.
#include "model/layout_document.h"
