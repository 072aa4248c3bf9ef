; Talmo's Slovenian messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Sloven<0161><010D>ina
LanguageID=$0424
LanguageCodePage=1250

[Messages]
SetupAppTitle=Namestitev
SetupWindowTitle=Namestitev - %1
ButtonBack=< &Nazaj
ButtonNext=&Naprej >
ButtonInstall=&Namesti
ButtonOK=V redu
ButtonCancel=Preklièi
ButtonYes=&Da
ButtonNo=&Ne
ButtonFinish=&Konèaj
ButtonBrowse=&Prebrskaj...
ExitSetupTitle=Zapusti namestitev
SelectLanguageTitle=Jezik namestitve
