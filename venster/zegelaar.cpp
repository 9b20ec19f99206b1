// The program's one application object; the platform's WinMain starts it.
#include "toepassing.h"

CToepassing toepassing;
