#pragma once
// The window is designed in Tahoma and Times New Roman. Debian has Tahoma in fonts-wine
// (not known to fontconfig) and Times New Roman's metrics in Liberation Serif.

namespace zuv {

// Registers the Tahoma files of fonts-wine with the application where fontconfig does not
// list them, and sets substitutes where a family is missing altogether.
void RegisterProgramFonts();

}  // namespace zuv
