// The program's entry on Linux: the real display is opened, the program's icon becomes its
// resource, and the game runs as it does from WinMain on Windows.
#include "ProgramEntry.h"
#include "game/FormMain.h"
#include "game/StartUp.h"
#include "game/program/GameIcon.h"

namespace {

int RunWithIcon(HINSTANCE instance, int) {
    platform::RegisterIconFile(MyGame::FormMain::kIconResource, MyGame::kGameIconFile, MyGame::kGameIconFileSize);
    return MyGame::RunGame(instance);
}

}  // namespace

int main() { return platform::RunOnDisplay("astrovex", RunWithIcon); }
