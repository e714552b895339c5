#pragma once

#include "graphics.h"

// The application's pictures, read from its resources on first use and kept
// for the run; nullptr when a picture is missing (read again next call).
fw::PicturePtr logo();    // 168: the logo of both windows
fw::PicturePtr contact(); // 169: the contact link
fw::PicturePtr web();     // 170: the website link
fw::PicturePtr apropos(); // 171: the About link
fw::PicturePtr Notes();   // 172: the labels behind the Delay grid

// Drops the kept pictures, as at the start of a run.
void ForgetPictures();
