; Talmo's Basque messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Euskara
LanguageID=$042d
LanguageCodePage=1252

[Messages]
SetupAppTitle=Instalazioa
SetupWindowTitle=Instalazioa - %1
ButtonBack=< &Atzera
ButtonNext=&Hurrengoa >
ButtonInstall=&Instalatu
ButtonOK=Ados
ButtonCancel=Utzi
ButtonYes=&Bai
ButtonNo=&Ez
ButtonFinish=&Amaitu
ButtonBrowse=&Arakatu...
ExitSetupTitle=Irten instalaziotik
SelectLanguageTitle=Instalazioaren hizkuntza
