#pragma once
// Data files are saved with the program's one atomic writer.
#include "imaging/atomicfile.h"
