; Talmo's Italian messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Italiano
LanguageID=$0410
LanguageCodePage=1252

[Messages]
SetupAppTitle=Installazione
SetupWindowTitle=Installazione - %1
ButtonBack=< &Indietro
ButtonNext=&Avanti >
ButtonInstall=&Installa
ButtonOK=OK
ButtonCancel=Annulla
ButtonYes=&Sì
ButtonNo=&No
ButtonFinish=&Fine
ButtonBrowse=S&foglia...
ExitSetupTitle=Esci dall'installazione
SelectLanguageTitle=Lingua dell'installazione
