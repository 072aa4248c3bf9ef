; Talmo's Spanish messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Espa<00F1>ol
LanguageID=$0c0a
LanguageCodePage=1252

[Messages]
SetupAppTitle=Instalación
SetupWindowTitle=Instalación - %1
ButtonBack=< &Atrás
ButtonNext=&Siguiente >
ButtonInstall=&Instalar
ButtonOK=Aceptar
ButtonCancel=Cancelar
ButtonYes=&Sí
ButtonNo=&No
ButtonFinish=&Finalizar
ButtonBrowse=&Examinar...
ExitSetupTitle=Salir de la instalación
SelectLanguageTitle=Idioma de la instalación
