; Talmo's Dutch messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Nederlands
LanguageID=$0413
LanguageCodePage=1252

[Messages]
SetupAppTitle=Setup
SetupWindowTitle=Setup - %1
ButtonBack=< V&orige
ButtonNext=&Volgende >
ButtonInstall=&Installeren
ButtonOK=OK
ButtonCancel=Annuleren
ButtonYes=&Ja
ButtonNo=&Nee
ButtonFinish=&Voltooien
ButtonBrowse=B&laderen...
ExitSetupTitle=Setup afsluiten
SelectLanguageTitle=Taal van Setup
