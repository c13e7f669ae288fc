#ifndef YARNO_RC_H
#define YARNO_RC_H

#define IDI_YARNO 1

/* The version record constants, spelled out so the script compiles
   without the Windows SDK headers. */
#ifndef VS_VERSION_INFO
#define VS_VERSION_INFO 1
#endif
#ifndef VS_FFI_FILEFLAGSMASK
#define VS_FFI_FILEFLAGSMASK 0x3FL
#endif
#ifndef VOS_NT_WINDOWS32
#define VOS_NT_WINDOWS32 0x40004L
#endif
#ifndef VFT_APP
#define VFT_APP 0x1L
#endif
#ifndef VFT2_UNKNOWN
#define VFT2_UNKNOWN 0x0L
#endif

#endif
