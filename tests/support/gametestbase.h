// gametestbase.h: the board pictures, for the suites that include them under this name.
#pragma once

#include "boardpicture.h"
