#pragma once

// DirectShow as the capture code uses it. MinGW's qedit.h declares the Sample Grabber's
// interfaces but not the class ids of the grabber and the null renderer (libstrmiids has them).
#define NO_DSHOW_STRSAFE
#include <windows.h>
#include <objidl.h>
#include <ocidl.h>
#include <olectl.h>
#include <dshow.h>
#include <qedit.h>
#include <dvdmedia.h>

EXTERN_C const CLSID CLSID_SampleGrabber;
EXTERN_C const CLSID CLSID_NullRenderer;
