// The entry point of a window program built on the layer: everything else happens in the
// global application object's InitInstance.
#include "app.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    return AfxWinMain(instance);
}
