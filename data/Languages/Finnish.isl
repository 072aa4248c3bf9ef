; Talmo's Finnish messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Suomi
LanguageID=$040b
LanguageCodePage=1252

[Messages]
SetupAppTitle=Asennus
SetupWindowTitle=Asennus - %1
ButtonBack=< &Takaisin
ButtonNext=&Seuraava >
ButtonInstall=&Asenna
ButtonOK=OK
ButtonCancel=Peruuta
ButtonYes=&Kyllä
ButtonNo=&Ei
ButtonFinish=&Valmis
ButtonBrowse=S&elaa...
ExitSetupTitle=Lopeta asennus
SelectLanguageTitle=Asennuksen kieli
