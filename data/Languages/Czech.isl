; Talmo's Czech messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=<010C>e<0161>tina
LanguageID=$0405
LanguageCodePage=1250

[Messages]
SetupAppTitle=Instalace
SetupWindowTitle=Instalace - %1
ButtonBack=< &Zpìt
ButtonNext=&Další >
ButtonInstall=&Instalovat
ButtonOK=OK
ButtonCancel=Storno
ButtonYes=&Ano
ButtonNo=&Ne
ButtonFinish=&Dokonèit
ButtonBrowse=&Procházet...
ExitSetupTitle=Ukonèit instalaci
SelectLanguageTitle=Jazyk instalace
