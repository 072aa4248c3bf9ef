[Setup]
AppName=Demo
AppVersion=1.0
DefaultDirName={pf}\Demo

[Files]
Source: "app\readme.txt"; DestDir: "{app}"
Source: app\tool.bin; DestDir: {app}\bin; DestName: "tool.dat"; Flags: ignoreversion
Source: "{tmp}\down-0"; DestDir: "{app}"; DestName: "x.cab"; Flags: external
