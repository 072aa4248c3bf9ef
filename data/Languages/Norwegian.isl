; Talmo's Norwegian messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Norsk
LanguageID=$0414
LanguageCodePage=1252

[Messages]
SetupAppTitle=Installasjon
SetupWindowTitle=Installasjon - %1
ButtonBack=< &Tilbake
ButtonNext=&Neste >
ButtonInstall=&Installer
ButtonOK=OK
ButtonCancel=Avbryt
ButtonYes=&Ja
ButtonNo=&Nei
ButtonFinish=&Fullfør
ButtonBrowse=&Bla gjennom...
ExitSetupTitle=Avslutt installasjonen
SelectLanguageTitle=Installasjonsspråk
