/*
 * TervikZasuvnyModul.h - the calling contract of Tervik's snapshot plug-ins.
 *
 * A plug-in is a 64-bit Windows DLL that exports up to five of the functions below, by these exact names,
 * undecorated (extern "C"), in the platform's one 64-bit calling convention. A function that is not exported
 * is simply not used; the user switches each exported one on or off per camera. The camera calls only the
 * switched-on ones, in the order of its plug-in list, so a later plug-in sees an earlier one's changes.
 * Return values are ignored (void is the declared type; a function returning an HRESULT or int is called the
 * same way).
 *
 * Threads: each camera calls its plug-ins on two threads of its own, one for live frames and one for snapshots,
 * one call at a time on each; never on a window's thread. Functions of one plug-in may thus run at the same
 * time on different threads (live and snapshot, or two cameras): keep shared state thread-safe. A thread may
 * be replaced by a new one between calls; do not keep per-thread state.
 *
 * Time budgets: a live-frame call must end within 1000 ms, a snapshot call within 5000 ms (aim for a few
 * milliseconds per live frame: it runs for every frame). A call that overruns its budget is abandoned: nothing
 * it changed is used, and the plug-in is switched off until the camera loads its plug-ins again (after a change
 * in its settings, or at the next start).
 *
 * Faults: an exception that leaves a function (an access violation, a stack overflow, a C++ exception - catch
 * your own) switches the plug-in off the same way, with a message naming it and the exception's code. The
 * process goes on, but a plug-in that corrupts memory, dies holding a lock or hangs in DllMain can still take
 * the program down: keep DllMain trivial.
 *
 * What may be changed: the pixels of the frame, or the snapshot bitmap's pixels, in place. Not its size, pixel
 * format or the object itself; do not keep the pointers after the call returns.
 */
#ifndef TERVIK_ZASUVNY_MODUL_H
#define TERVIK_ZASUVNY_MODUL_H

#include <stdint.h>

#ifdef TERVIK_ZASUVNY_MODUL_BUILD
#define TERVIK_ZASUVNY_MODUL_API __declspec(dllexport)
#else
#define TERVIK_ZASUVNY_MODUL_API __declspec(dllimport)
#endif

#ifdef __cplusplus
extern "C" {
#endif

/*
 * "ZapisDoObrazu": every live frame, after motion detection, before the preview and the frame buffer that later
 * snapshots are taken from. data: 24-bit pixels, bytes in the order blue, green, red; rows bottom-up (the FIRST
 * row in memory is the BOTTOM row of the picture); each row padded to a multiple of 4 bytes, so a row takes
 * ((sirka * 3 + 3) & ~3) bytes and the buffer that times vyska. sirka and vyska are positive.
 */
TERVIK_ZASUVNY_MODUL_API void ZapisDoObrazu(uint8_t* data, int32_t sirka, int32_t vyska);

/*
 * The four snapshot functions: a finished snapshot before it goes to its destination - saved to disk, sent by
 * e-mail, sent to the FTP server, or published by the built-in HTTP server. bitmapa is a Gdiplus::Bitmap*
 * (GDI+ is started in the process; use the GDI+ C++ classes or the flat API on it, e.g. Gdiplus::Graphics
 * on the bitmap, or LockBits). The same bitmap goes through every plug-in in the list.
 */
TERVIK_ZASUVNY_MODUL_API void UpravaSnimkuDisk(void* bitmapa);
TERVIK_ZASUVNY_MODUL_API void UpravaSnimkuEmail(void* bitmapa);
TERVIK_ZASUVNY_MODUL_API void UpravaSnimkuFtp(void* bitmapa);
TERVIK_ZASUVNY_MODUL_API void UpravaSnimkuHttpServer(void* bitmapa);

#ifdef __cplusplus
}
#endif

#endif
