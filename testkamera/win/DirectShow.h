#pragma once

// DirectShow headers as the test camera needs them (MinGW: no strsafe, Sample Grabber ids by hand).
#define NO_DSHOW_STRSAFE
#include <windows.h>
#include <dshow.h>
#include <ks.h>
#include <ksmedia.h>
