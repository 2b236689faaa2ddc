// Temporary placeholder so the library links while the window is being built.
#include "window/frmCalc.h"
