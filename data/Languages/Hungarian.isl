; Talmo's Hungarian messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Magyar
LanguageID=$040e
LanguageCodePage=1250

[Messages]
SetupAppTitle=Telepítõ
SetupWindowTitle=Telepítõ - %1
ButtonBack=< &Vissza
ButtonNext=&Tovább >
ButtonInstall=&Telepítés
ButtonOK=OK
ButtonCancel=Mégse
ButtonYes=&Igen
ButtonNo=&Nem
ButtonFinish=&Befejezés
ButtonBrowse=&Tallózás...
ExitSetupTitle=Kilépés a telepítõbõl
SelectLanguageTitle=A telepítés nyelve
