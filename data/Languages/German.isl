; Talmo's German messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Deutsch
LanguageID=$0407
LanguageCodePage=1252

[Messages]
SetupAppTitle=Setup
SetupWindowTitle=Setup - %1
ButtonBack=< &Zurück
ButtonNext=&Weiter >
ButtonInstall=&Installieren
ButtonOK=OK
ButtonCancel=Abbrechen
ButtonYes=&Ja
ButtonNo=&Nein
ButtonFinish=&Fertigstellen
ButtonBrowse=&Durchsuchen...
ExitSetupTitle=Setup verlassen
SelectLanguageTitle=Sprache des Setups
