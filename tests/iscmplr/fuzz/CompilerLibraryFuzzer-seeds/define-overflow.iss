#define g 9223372036854775807+1
#define h 0-9223372036854775807-2
[Setup]
AppName=Demo
AppVersion=1.0
DefaultDirName={pf}\Demo
AppComments={#g} {#h}
