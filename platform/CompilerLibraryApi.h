#pragma once

/* The C interface of the installer compiler library (libISCmplr.so in the
 * program folder). Shared by the library, the compile thread and the tests;
 * plain C types only, natural alignment. */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct { const char *Title; const char *Version; uint32_t BinVersion; } TCompilerVersionInfo;

typedef union {
  struct { int32_t Reset; const char *LineRead; } ReadScript;                 /* code 1: the callback sets LineRead, or leaves it NULL at the end */
  struct { const char *StatusMsg; } Status;                                   /* code 2 */
  struct { uint32_t CompressProgress, CompressProgressMax;
           int32_t SecondsRemaining; uint32_t BytesCompressedPerSecond; } Idle; /* code 3 */
  struct { const char *OutputExeFilename; } Success;                          /* code 4 */
  struct { const char *ErrorMsg, *ErrorFilename; int32_t ErrorLine; } Error;  /* code 5: ErrorMsg NULL after an abort */
} TCompilerCallbackData;

typedef int32_t (*TCompilerCallbackProc)(int32_t Code, TCompilerCallbackData *Data, intptr_t AppData);

typedef struct { uint32_t Size; const char *CompilerPath, *SourcePath; TCompilerCallbackProc CallbackProc;
                 intptr_t AppData; const char *Options; } TCompileScriptParamsEx;

const TCompilerVersionInfo *ISDllGetVersion(void);
int32_t ISDllCompileScript(const TCompileScriptParamsEx *Params);   /* 0 compiled, 2 failed */

/* Callback codes and the callback's answers. */
enum {
  TCompilerCodeReadScript = 1,
  TCompilerCodeStatus = 2,
  TCompilerCodeIdle = 3,
  TCompilerCodeSuccess = 4,
  TCompilerCodeError = 5
};
enum { TCompilerCallbackContinue = 0, TCompilerCallbackAbort = 1 };

/* Results of ISDllCompileScript. */
enum { TCompilerResultCompiled = 0, TCompilerResultInvalidParams = 1, TCompilerResultFailed = 2 };

typedef const TCompilerVersionInfo *(*TISDllGetVersionProc)(void);
typedef int32_t (*TISDllCompileScriptProc)(const TCompileScriptParamsEx *Params);

#ifdef __cplusplus
}
#endif
