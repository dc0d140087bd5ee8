// The recording platform is header-only; this unit anchors the support library.
#include "common/fake_platform.h"
