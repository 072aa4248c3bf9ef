[Setup]
AppName=Demo
AppVersion=1.0
DefaultDirName={pf}\Demo
[Types]
Name: full; Description: "Full"
[Components]
Name: main; Description: "Main"; Types: full
[Tasks]
Name: icons; Description: "{cm:CreateDesktopIcon}"
[Files]
Source: app\*; DestDir: {app}; Components: main; Tasks: icons; Check: IsOk
[Code]
function IsOk: Boolean;
begin
  Result := True;
end;
