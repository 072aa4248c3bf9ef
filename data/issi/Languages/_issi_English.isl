; English messages of Talmo's script-include library.

[CustomMessages]
ISSI_SplashTitle=Setup is starting
