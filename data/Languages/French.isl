; Talmo's French messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Fran<00E7>ais
LanguageID=$040c
LanguageCodePage=1252

[Messages]
SetupAppTitle=Installation
SetupWindowTitle=Installation - %1
ButtonBack=< &Précédent
ButtonNext=&Suivant >
ButtonInstall=&Installer
ButtonOK=OK
ButtonCancel=Annuler
ButtonYes=&Oui
ButtonNo=&Non
ButtonFinish=&Terminer
ButtonBrowse=Pa&rcourir...
ExitSetupTitle=Quitter l'installation
SelectLanguageTitle=Langue de l'installation
