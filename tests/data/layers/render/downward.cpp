// Using a folder below is allowed.
#include "model/layout_document.h"
