; Talmo's Polish messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Polski
LanguageID=$0415
LanguageCodePage=1250

[Messages]
SetupAppTitle=Instalator
SetupWindowTitle=Instalator - %1
ButtonBack=< &Wstecz
ButtonNext=&Dalej >
ButtonInstall=&Instaluj
ButtonOK=OK
ButtonCancel=Anuluj
ButtonYes=&Tak
ButtonNo=&Nie
ButtonFinish=&Zakoñcz
ButtonBrowse=&Przegl¹daj...
ExitSetupTitle=Zakoñcz instalacjê
SelectLanguageTitle=Jêzyk instalacji
