#pragma once

namespace testsupport {

// Forgets what the player kept: the progress on the lists and the options of the training
// window, in the test program's own player's folders (see PlayerHome.cpp). A window test calls
// it where it starts as a new player.
void forgetPlayersFiles();

}  // namespace testsupport
