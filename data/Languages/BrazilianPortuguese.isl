; Talmo's BrazilianPortuguese messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=Portugu<00EA>s Brasileiro
LanguageID=$0416
LanguageCodePage=1252

[Messages]
SetupAppTitle=Instalação
SetupWindowTitle=Instalação - %1
ButtonBack=< &Voltar
ButtonNext=&Avançar >
ButtonInstall=&Instalar
ButtonOK=OK
ButtonCancel=Cancelar
ButtonYes=&Sim
ButtonNo=&Não
ButtonFinish=&Concluir
ButtonBrowse=&Procurar...
ExitSetupTitle=Sair da instalação
SelectLanguageTitle=Idioma da instalação
