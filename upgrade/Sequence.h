#pragma once

// One whole run: status window, command word, road, result message, restart of the instrument
// application, "Done.". Always returns 0.
int RunUpgrade();
