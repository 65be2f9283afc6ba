#pragma once

class QApplication;

namespace pictolex {

// Sets up the application and runs the game until no window is loaded.
int runGame(QApplication& app);

} // namespace pictolex
