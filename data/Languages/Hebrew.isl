; Talmo's Hebrew messages for the setups it builds.
; A short messages file written for Talmo: the wizard's title and buttons.
; Texts it leaves out fall back to the English ones of Default.isl.

[LangOptions]
LanguageName=<05E2><05D1><05E8><05D9><05EA>
LanguageID=$040d
LanguageCodePage=1255

[Messages]
SetupAppTitle=התקנה
SetupWindowTitle=התקנה - %1
ButtonBack=< &הקודם
ButtonNext=&הבא >
ButtonInstall=&התקן
ButtonOK=אישור
ButtonCancel=ביטול
ButtonYes=&כן
ButtonNo=&לא
ButtonFinish=&סיום
ButtonBrowse=&עיון...
ExitSetupTitle=יציאה מההתקנה
SelectLanguageTitle=שפת ההתקנה
