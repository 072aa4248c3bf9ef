; Talmo's Slovak messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Sloven<010D>ina
LanguageID=$041b
LanguageCodePage=1250

[Messages]
SetupAppTitle=Inötal·cia
SetupWindowTitle=Inötal·cia - %1
ButtonBack=< &Sp‰ù
ButtonNext=&œalej >
ButtonInstall=&Inötalovaù
ButtonOK=OK
ButtonCancel=Zruöiù
ButtonYes=&¡no
ButtonNo=&Nie
ButtonFinish=&DokonËiù
ButtonBrowse=&Prehæad·vaù...
ExitSetupTitle=UkonËiù inötal·ciu
SelectLanguageTitle=Jazyk inötal·cie
