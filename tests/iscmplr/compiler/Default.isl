; A small messages file for the compiler tests.
[LangOptions]
LanguageName=English
LanguageID=$0409

[Messages]
ButtonNext=&Next >

[CustomMessages]
CreateDesktopIcon=Put a shortcut on the desktop
UninstallProgram=Remove %1
