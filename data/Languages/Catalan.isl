; Talmo's Catalan messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Catal<00E0>
LanguageID=$0403
LanguageCodePage=1252

[Messages]
SetupAppTitle=Instal·lació
SetupWindowTitle=Instal·lació - %1
ButtonBack=< &Enrere
ButtonNext=&Següent >
ButtonInstall=&Instal·la
ButtonOK=D'acord
ButtonCancel=Cancel·la
ButtonYes=&Sí
ButtonNo=&No
ButtonFinish=&Finalitza
ButtonBrowse=&Navega...
ExitSetupTitle=Surt de la instal·lació
SelectLanguageTitle=Idioma de la instal·lació
