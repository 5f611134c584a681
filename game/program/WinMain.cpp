// The program's entry on Windows. The command line and the show mode are not used.
#include "PlatformApi.h"
#include "game/StartUp.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return MyGame::RunGame(instance); }
