#pragma once
// Stand-ins for the window's named fonts where they are not installed. The
// controls keep the names themselves ("ＭＳ ゴシック", "Arial", "System",
// "Terminal"); only the rendering falls back to a comparable face.

// Registers the stand-ins once per process; later calls do nothing.
void InstallFontSubstitutions();
