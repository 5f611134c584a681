// Where the "Home" menu item leads: a web address chosen when the game is built, or else the
// page that ships beside the game's pictures.
#pragma once

#include <string>

namespace MyGame {

// The address or the page's path, ready for the platform's "open" action.
std::string HomePageAddress();

}  // namespace MyGame
