// The menu's commands.
#include "game/FormMain.h"
#include "game/HomePage.h"
#include "toolkit/util/TextConvert.h"

namespace MyGame {

namespace {

bool Is(const OrloUtility::GUIElement& element, const std::unique_ptr<OrloUtility::SubMenu>& item) {
    return item && element.Id() == item->Id();
}

}  // namespace

// Three independent tests, as a command could in principle match more than one item. The
// joystick item's mark has already been flipped; it is read back from the menu itself.
void FormMain::OnCommand(OrloUtility::GUIElement& element) {
    if (Is(element, exitItem)) CloseWindowNow();
    if (Is(element, homeItem))
        ShellExecuteW(nullptr, L"open", OrloUtility::ToWide(HomePageAddress()).c_str(), nullptr, nullptr,
                      SW_SHOWNORMAL);
    if (Is(element, joystickItem)) joystickEnabled = joystickItem->IsChecked();
}

}  // namespace MyGame
