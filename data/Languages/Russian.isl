; Talmo's Russian messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=<0420><0443><0441><0441><043A><0438><0439>
LanguageID=$0419
LanguageCodePage=1251

[Messages]
SetupAppTitle=Установка
SetupWindowTitle=Установка - %1
ButtonBack=< &Назад
ButtonNext=&Далее >
ButtonInstall=&Установить
ButtonOK=OK
ButtonCancel=Отмена
ButtonYes=&Да
ButtonNo=&Нет
ButtonFinish=&Завершить
ButtonBrowse=&Обзор...
ExitSetupTitle=Выход из установки
SelectLanguageTitle=Язык установки
