#define AppName "Demo"
#define Version "1." + "2"
[Setup]
AppName={#AppName}
AppVersion={#Version}
DefaultDirName={pf}\{#AppName}
OutputBaseFilename={#SetupSetting("AppName")}
#ifdef Version
#include "extra.iss"
#else
bad line
#endif
[Icons]
Name: "{group}\Demo"; Filename: "{app}\readme.txt"
