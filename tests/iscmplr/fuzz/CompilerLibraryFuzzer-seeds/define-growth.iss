#define A 1
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
#define A A+A
[Setup]
AppName=Demo
AppVersion=1.0
DefaultDirName={pf}\Demo
AppComments={#A}
