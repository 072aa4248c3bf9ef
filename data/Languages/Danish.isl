; Talmo's Danish messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Dansk
LanguageID=$0406
LanguageCodePage=1252

[Messages]
SetupAppTitle=Installation
SetupWindowTitle=Installation - %1
ButtonBack=< &Tilbage
ButtonNext=&Næste >
ButtonInstall=&Installer
ButtonOK=OK
ButtonCancel=Annuller
ButtonYes=&Ja
ButtonNo=&Nej
ButtonFinish=&Afslut
ButtonBrowse=&Gennemse...
ExitSetupTitle=Afbryd installationen
SelectLanguageTitle=Installationssprog
