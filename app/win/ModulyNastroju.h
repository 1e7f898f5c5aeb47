#pragma once

#include <windows.h>

class ModulNastroje;

// The tool modules as the main window sees them.

// The module that the command starts and stops; nullptr for any other command.
ModulNastroje* ModulProPrikaz(UINT prikaz);
// Closing the main window, before the remote-control receiver, the hotkeys and the cameras:
// the slideshow, then the network controller (forced).
void ZastavitModulyPredKamerami();
// Closing the main window, after the cameras: the .prx editor, the image editor, the video player
// and the FTP browser.
void ZastavitModulyPoKamerach();
// On 0x8013: every module whose thread has ended is reaped.
void UkliditModuly();
